#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A held arrow whose window is taken off the screen: the release comes while
# the window is away and never reaches the program, yet the value must stand
# still once the window is back, and the next click must count.
set -euo pipefail
app=${1:?usage: test_held_arrow.sh BINARY}
. "$(dirname "$0")/lib.sh"

start_xvfb
start_app "$app"
read -r X Y < <(window_origin)

# The synthesized plot, where the span's second lines and its "sec" label show
# t, once it has stopped changing.
plot_e() { settled "$E2E_WORK/$1.png" "301x133+$((X + 18))+$((Y + 330))"; }
pixels_apart() { compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1 || true; }
differ() { [ "$(pixels_apart "$1" "$2")" != 0 ]; }
same() { [ "$(pixels_apart "$1" "$2")" = 0 ]; }

plot_e start
# The upper arrow of the time span, held well past the first repeat.
xdotool mousemove $((X + 376)) $((Y + 349)) mousedown 1
sleep 1
timeout 10 xdotool windowunmap --sync "$WINDOW"
xdotool mouseup 1
sleep 0.3
timeout 10 xdotool windowmap --sync "$WINDOW"
plot_e mapped
# A repeat still running would step the span again within 50 ms.
sleep 1
plot_e later
check "the held arrow stepped the span" differ start mapped
check "the span stands still once the window is back" same mapped later

xdotool mousemove $((X + 420)) $((Y + 352)) click 1 # RESET
reset_shows_start() { plot_e reset && same start reset; }
check "the next click counts: RESET brings one second back" eventually reset_shows_start
finish
