# SPDX-License-Identifier: MIT
# Shared steps of the end-to-end scripts; source it, do not run it.
#
#   start_xvfb                  own X server on a free display, exported as DISPLAY
#   start_app BINARY [ARGS]     starts the program and waits for its window (WINDOW),
#                               found by process id: the legacy title depends on the locale,
#                               and for its first paint to stand still
#   settled FILE [GEOMETRY]     a screenshot (of GEOMETRY, WxH+X+Y, or the whole screen)
#                               once two in a row agree: the program has drawn what it was given
#   eventually COMMAND...       runs COMMAND until it succeeds, for at most E2E_PATIENCE s
#   screenshot FILE             the whole screen as a PNG
#   pixel FILE X Y              colour at a screen point, as RRGGBB
#   count_hue FILE X Y W H red|green|blue   pixels in a screen rectangle where that
#                               channel stands 60 above both others (anti-aliased ink)
#   window_origin               "X Y": the client area's top-left on the screen
#   client_size                 "W H": the client area's size
#   window_title                the title as the window manager reads it (UTF-8)
#   check WHAT COMMAND...       runs COMMAND; counts a failure and says WHAT when it fails
#   finish                      exits 1 if any check failed
#
# Everything started here is stopped, and E2E_WORK removed, when the script exits.

E2E_WORK=$(mktemp -d)
E2E_PIDS=()
E2E_FAILURES=0
E2E_TITLE='波の合成'
WINDOW=""
# A busy machine may draw late, never early: waits poll for what is expected
# and give up only after this long.
E2E_PATIENCE=${E2E_PATIENCE:-15}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# The server picks a free display number itself (-displayfd) and names it once
# it takes connections: two suites starting servers at the same moment cannot
# end up sharing one, as they could when each tried numbers in turn.
start_xvfb() {
  local pid n _
  # -noreset: otherwise the server resets whenever its last client leaves,
  # between one tool and the next.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    # A whole line: the number, written once the server takes connections.
    if read -r n <"$E2E_WORK/display" && [ -n "$n" ]; then
      E2E_PIDS+=("$pid")
      export DISPLAY=":$n"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  echo "Xvfb did not start:" >&2
  cat "$E2E_WORK/xvfb.log" >&2
  return 1
}

start_app() {
  "$@" >"$E2E_WORK/app.log" 2>&1 &
  E2E_PIDS+=($!)
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$!" | head -1) || true
  if [ -z "$WINDOW" ]; then
    echo "the window did not appear; program output:" >&2
    cat "$E2E_WORK/app.log" >&2
    return 1
  fi
  settled "$E2E_WORK/first-paint.png" >/dev/null
}

settled() {
  local file=$1 crop=() tries
  [ -n "${2:-}" ] && crop=(-crop "$2" +repage)
  import -window root "${crop[@]}" "$file"
  for tries in $(seq $((E2E_PATIENCE * 5))); do
    sleep 0.2
    import -window root "${crop[@]}" "$E2E_WORK/settling.png"
    # A uniform picture is a window not yet painted.
    if [ "$(compare -metric AE "$file" "$E2E_WORK/settling.png" null: 2>&1 || true)" = 0 ] &&
      [ "$(convert "$file" -format %k info:)" -gt 1 ]; then
      return 0
    fi
    mv "$E2E_WORK/settling.png" "$file"
  done
  echo "the screen did not settle within ${E2E_PATIENCE} s" >&2
  return 1
}

eventually() {
  local deadline=$((SECONDS + E2E_PATIENCE))
  until "$@" >/dev/null 2>&1; do
    if [ "$SECONDS" -ge "$deadline" ]; then
      "$@" # once more, to show why
      return
    fi
    sleep 0.2
  done
}

screenshot() {
  import -window root "$1"
}

pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}

count_hue() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | awk -v hue="$6" '
    NR > 1 {
      split($2, c, /[(),]/)
      r = c[2]; g = c[3]; b = c[4]
      if (hue == "red") { v = r; o1 = g; o2 = b }
      else if (hue == "green") { v = g; o1 = r; o2 = b }
      else { v = b; o1 = r; o2 = g }
      if (v > o1 + 60 && v > o2 + 60) n++
    }
    END { print n + 0 }'
}

window_origin() {
  xwininfo -id "$WINDOW" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

client_size() {
  xwininfo -id "$WINDOW" | awk '/^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print w, h}'
}

window_title() {
  # xprop escapes what the test's own locale cannot show.
  LC_ALL=C.UTF-8 xprop -id "$WINDOW" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([^)]*) = "\(.*\)"$/\1/p'
}

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

finish() {
  if [ "$E2E_FAILURES" -ne 0 ]; then
    echo "$E2E_FAILURES check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
