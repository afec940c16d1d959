#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program under its own X server: title, fixed client size, and the
# colours of every band read back from a screenshot.
set -euo pipefail
app=${1:?usage: test_window_colours.sh BINARY}
. "$(dirname "$0")/lib.sh"

start_xvfb
start_app "$app"
shot="$E2E_WORK/window.png"
screenshot "$shot"
read -r ox oy < <(window_origin)

is() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }
at_least() { [ "$1" -ge "$2" ] || { echo "     got $1, expected at least $2"; return 1; }; }

check "title" is "$(window_title)" "$E2E_TITLE"
check "client area 460x466" is "$(client_size)" "460 466"
hints=$(xprop -id "$WINDOW" WM_NORMAL_HINTS)
check "cannot shrink" grep -q 'minimum size: 460 by 466' <<<"$hints"
check "cannot grow" grep -q 'maximum size: 460 by 466' <<<"$hints"

# Client coordinates, clear of text, borders and the start-up drawing (every
# wave lies on its plot's middle row). Colours as RRGGBB.
while read -r what x y colour; do
  check "$what ($x,$y) $colour" is "$(pixel "$shot" $((ox + x)) $((oy + y)))" "$colour"
done <<'EOF'
window-right-of-the-bands   458 40  C0C0C0
window-below-the-bands      200 465 C0C0C0
band-A-silver               8   10  C0C0C0
plot-A-white                38  20  FFFFFF
panel-A-light-cyan          340 70  C0FFFF
waveform-group-A-yellow     442 66  FFFFC0
band-B-default              8   90  C0C0C0
plot-B-white                38  100 FFFFFF
panel-B-light-cyan          340 150 C0FFFF
band-C-default              8   170 C0C0C0
plot-C-white                38  180 FFFFFF
panel-C-light-cyan          340 230 C0FFFF
painted-amplitude-C-cyan    345 185 C0FFFF
band-D-default              8   250 C0C0C0
plot-D-white                38  260 FFFFFF
panel-D-light-cyan          340 310 C0FFFF
band-E-default              8   330 C0C0C0
sum-plot-light-green        38  350 C0FFC0
span-panel-light-magenta    420 328 FFC0FF
step-a-light-yellow         378 406 FFFFC0
step-f-light-yellow         442 406 FFFFC0
EOF

# Text colours: strokes of that hue inside the label's rectangle.
while read -r what x y w h hue; do
  check "$what in $hue" at_least "$(count_hue "$shot" $((ox + x)) $((oy + y)) "$w" "$h" "$hue")" 8
done <<'EOF'
letter-A      0   32  17 17 red
letter-B      0   112 17 17 red
letter-C      0   192 17 17 red
letter-D      0   272 17 17 red
letter-E      0   376 17 17 red
span-on-plot  266 402 25 17 red
seconds-sec   290 402 25 17 blue
span-in-panel 344 344 17 17 red
EOF

if [ "$E2E_FAILURES" -ne 0 ]; then
  cp "$shot" /tmp/test_window_colours-failed.png && echo "screenshot: /tmp/test_window_colours-failed.png"
fi
finish
