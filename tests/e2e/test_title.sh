#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window's title under a locale that is not UTF-8: both the current title
# and the legacy one that older taskbars read must say "波の合成".
set -euo pipefail
app=${1:?usage: test_title.sh BINARY}
. "$(dirname "$0")/lib.sh"

start_xvfb
start_app env LANG=C LC_ALL=C "$app"

# Read back in UTF-8, whatever the test's own locale.
title_property() { LC_ALL=C.UTF-8 xprop -id "$WINDOW" "$1" | sed -n 's/^[A-Z_]*([A-Z_0-9]*) = "\(.*\)"$/\1/p'; }
is() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }

check "_NET_WM_NAME under LANG=C" is "$(title_property _NET_WM_NAME)" "$E2E_TITLE"
check "WM_NAME under LANG=C" is "$(title_property WM_NAME)" "$E2E_TITLE"
check "found by its title under LANG=C" is "$(LC_ALL=C timeout 10 xdotool search --name "$E2E_TITLE" | grep -c "^$WINDOW\$")" 1
finish
