#!/usr/bin/env bash
# The program under its own X server: its window carries the program's icon
# and class, and both Ctrl+Q and the window's close button end the program
# with exit status 0.
set -euo pipefail
app=${1:?usage: test_close.sh BINARY}
work=$(mktemp -d)
xvfb=""
running=""
cleanup() {
  [ -z "$running" ] || kill "$running" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: no lock file, and Xvfb must come up on it.
for n in $(seq 140 170); do
  [ -e "/tmp/.X$n-lock" ] && continue
  # -noreset: the server stays up between the program's runs.
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 && break
  kill "$xvfb" 2>/dev/null || true
  xvfb=""
done
[ -n "$xvfb" ] || { echo "no free display for Xvfb"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start() {
  "$app" >"$work/app.log" 2>&1 &
  running=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name '波の合成' | head -1)
  [ -n "$win" ] || { echo "no window appeared"; cat "$work/app.log"; exit 1; }
  sleep 0.5
}

# Sets status to the program's exit status once it has ended, or to
# "running" (and ends it) when it is still there after 10 s.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$running" 2>/dev/null; then
    kill "$running"
    wait "$running" 2>/dev/null || true
    status=running
  else
    status=0
    wait "$running" || status=$?
  fi
  running=""
}

# What the close button of a window manager does: ask politely.
close_button() {
  /usr/bin/python3 - "$1" <<'PY'
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object("window", int(sys.argv[1]))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
if delete not in (w.get_wm_protocols() or []):
    sys.exit("the window does not take WM_DELETE_WINDOW")
event = protocol.event.ClientMessage(window=w, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
w.send_event(event)
d.flush()
PY
}

echo "-- the window's icon and class"
start
icon=$(xprop -id "$win" _NET_WM_ICON)
# Qt hands the window manager the sizes up to 128.
for size in 16 24 32 48 64 128; do
  grep -q "Icon ($size x $size)" <<<"$icon" || fail "no $size x $size icon on the window"
done
xprop -id "$win" WM_CLASS | grep -q '"wave-synthesis"' || fail "window class: $(xprop -id "$win" WM_CLASS)"

echo "-- Ctrl+Q"
# With no window manager to activate the window, the focus is given by hand;
# then the keys come as from the keyboard (sent to the window itself, the
# release of Ctrl would find it gone).
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key ctrl+q
wait_for_exit
[ "$status" = 0 ] || fail "after Ctrl+Q: $status"

echo "-- the close button"
start
close_button "$win" || fail "could not ask the window to close"
wait_for_exit
[ "$status" = 0 ] || fail "after the close button: $status"

if [ "$failures" -ne 0 ]; then
  cat "$work/app.log"
  exit 1
fi
echo "icon, class and closing: all passed"
