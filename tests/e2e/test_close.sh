#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program under its own X server: its window carries the program's icon
# and class, and both Ctrl+Q and the window's close button end the program
# with exit status 0.
set -euo pipefail
app=${1:?usage: test_close.sh BINARY}
. "$(dirname "$0")/lib.sh"

start_xvfb
# An X server whose last client leaves resets itself; a client that stays
# keeps it from resetting while the program is started for the second time.
xprop -root -spy >/dev/null 2>&1 &
E2E_PIDS+=($!)

# Sets status to the program's exit status, or to "running" (and ends it)
# when it is still there after 10 s. Not in a subshell: only the shell that
# started the program can wait for it.
wait_for_exit() {
  local pid=${E2E_PIDS[-1]}
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    status=running
    return
  fi
  status=0
  wait "$pid" || status=$?
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

is() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }

start_app "$app"
# The icon comes just after the first frame.
icon=
for _ in $(seq 50); do
  icon=$(xprop -id "$WINDOW" _NET_WM_ICON 2>/dev/null) && grep -q "Icon (64 x 64)" <<<"$icon" && break
  sleep 0.1
done
for size in 16 24 32 48 64; do
  check "window icon $size x $size" grep -q "Icon ($size x $size)" <<<"$icon"
done
check "window class matches the menu entry" grep -q '"wave-synthesis"' < <(xprop -id "$WINDOW" WM_CLASS)

# With no window manager to activate the window, the focus is given by hand;
# then the keys come as from the keyboard (sent to the window itself, the
# release of Ctrl would find it gone).
timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key ctrl+q
wait_for_exit
check "Ctrl+Q ends the program with status 0" is "$status" 0

start_app "$app"
check "the window takes the close button" close_button "$WINDOW"
wait_for_exit
check "the close button ends the program with status 0" is "$status" 0

finish
