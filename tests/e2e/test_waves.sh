#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under its own X server: start-up plots, then the learner's
# presses, each checked in a screenshot against the wave the formula gives.
set -euo pipefail
app=${1:?usage: test_waves.sh BINARY}
probe=${PROBE:?PROBE must name the screenshot probe}
. "$(dirname "$0")/lib.sh"
work=$E2E_WORK

start_xvfb
start_app "$app"
eval "$(timeout 10 xdotool getwindowgeometry --shell "$WINDOW")" # X, Y, WIDTH, HEIGHT

failures=0
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
# Component plot i draws in 301 x 69 pixels at (18, 10 + 80 i); the sum in 301 x 133 at (18, 330).
component() { # index colour span amp hz cos|sin
  "$probe" wave "$work/shot.png" $((X + 18)) $((Y + 10 + 80 * $1)) 301 69 "$2" 10 "$3" "$4" "$5" "$6"
}
sum() { # span amp hz cos|sin; value_t and "sec" cover part of it
  "$probe" wave "$work/shot.png" $((X + 18)) $((Y + 330)) 301 133 0000FF 20 "$@" 245 69 296 88
}
# Runs one step's checks on a screenshot until all pass, as the program may
# draw late on a busy machine; the last try reports what is wrong.
expect() {
  local deadline=$((SECONDS + E2E_PATIENCE)) check
  while :; do
    import -window root "$work/shot.png"
    local wrong=0
    for check in "$@"; do
      eval "$check" >/dev/null 2>&1 || wrong=1
    done
    [ "$wrong" = 0 ] && return 0
    [ "$SECONDS" -ge "$deadline" ] && break
    sleep 0.2
  done
  for check in "$@"; do
    eval "$check" || { echo "FAIL: $check"; failures=$((failures + 1)); }
  done
}
step() { echo "-- $*"; }

step "start-up: every wave lies on its axis"
[ "$WIDTH" = 460 ] && [ "$HEIGHT" = 466 ] || { echo "FAIL: client size ${WIDTH}x$HEIGHT"; failures=$((failures + 1)); }
[ "$(window_title)" = "$E2E_TITLE" ] || { echo "FAIL: title"; failures=$((failures + 1)); }
expect \
  'component 0 FF0000 1 0 0 cos' \
  'component 1 FF0000 1 0 0 cos' \
  'component 2 FF0000 1 0 0 cos' \
  'component 3 FF0000 1 0 0 cos' \
  'sum 1 0 0 cos'

step "amplitude of A up five times, frequency up once: 5 cos(2 pi t)"
for _ in 1 2 3 4 5; do click 376 21; done # upper arrow of SpinButton3(0)
click 376 53                             # upper arrow of SpinButton4(0)
expect \
  'component 0 FF0000 1 5 1 cos' \
  'component 1 FF0000 1 0 0 cos' \
  'sum 1 5 1 cos'

step "A switched to sine"
click 404 54 # switch_s(0)
expect \
  'component 0 FF0000 1 5 1 sin' \
  'sum 1 5 1 sin'

step "span lengthened to two seconds"
click 376 349 # upper arrow of SpinButton1
expect \
  'component 0 FF0000 2 5 1 sin' \
  'sum 2 5 1 sin'

step "RESET: one second again, the sine of amplitude 5 kept"
click 420 352 # Command1
expect \
  'component 0 FF0000 1 5 1 sin' \
  'sum 1 5 1 sin'

if [ "$failures" -ne 0 ]; then
  cp "$work/shot.png" "/tmp/test_waves-failed.png" && echo "last screenshot: /tmp/test_waves-failed.png"
  exit 1
fi
echo "all wave checks passed"
