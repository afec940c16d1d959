#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# On a system where fontconfig finds none of the faces the window names, nor
# their stand-ins, the program still opens its window and says why its text
# may be missing, once, on stderr.
set -euo pipefail
app=${1:?usage: test_no_fonts.sh BINARY}
. "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_WORK/fontconfig"
cat >"$E2E_WORK/fontconfig/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><cachedir>$E2E_WORK/fontconfig/cache</cachedir></fontconfig>
CONF

not_in_log() { ! grep -q "$1" "$E2E_WORK/app.log"; }

start_xvfb
FONTCONFIG_FILE="$E2E_WORK/fontconfig/fonts.conf" start_app "$app"
warnings=$(grep -c '^wave-synthesis: warning: .*fonts' "$E2E_WORK/app.log" || true)
check "one warning about the fonts" [ "$warnings" = 1 ]
check "it names what to install" grep -q 'fonts-liberation fonts-ipafont-gothic' "$E2E_WORK/app.log"
check "the window is still there" xdotool getwindowname "$WINDOW"
[ "$E2E_FAILURES" = 0 ] || sed 's/^/    /' "$E2E_WORK/app.log"

# With the system's fonts, nothing to say.
start_app "$app"
check "no warning when the fonts are there" not_in_log 'warning'
finish
