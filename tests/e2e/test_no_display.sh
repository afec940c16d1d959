#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started where no display can be had, whatever platform Qt is told or left to
# pick, the program says so in one line on stderr, naming the platform that
# failed, and ends with status 2: no crash, no core, no stack of Qt warnings.
# Where X11 was tried it names the display and how to run under Xvfb; where
# the platform does not exist, Xvfb cannot help and is not offered. Where a display can be had, what Qt says while it starts still
# reaches stderr.
#
#   tests/e2e/test_no_display.sh path/to/wave-synthesis
set -u

app=$(realpath "${1:?usage: test_no_display.sh path/to/wave-synthesis}")
. "$(dirname "$0")/lib.sh"
work=$E2E_WORK
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A display number with neither a socket nor a lock: nobody serves it.
dead_display() {
  local n
  for n in $(seq 240 299); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo ":$n"
      return
    fi
  done
  echo ":299"
}

# run_case NAME PLATFORM VAR=VALUE...: the program with only those display
# settings; PLATFORM is the one the message must name.
run_case() {
  local name=$1 platform=$2
  shift 2
  local dir="$work/$name"
  mkdir -p "$dir"
  (
    cd "$dir" || exit 99
    ulimit -c unlimited 2>/dev/null
    exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$app" >stdout 2>stderr
  )
  local status=$?
  local lines
  lines=$(wc -l <"$dir/stderr")

  if [ "$status" -eq 0 ]; then
    fail "$name: exit status 0"
  elif [ "$status" -eq 2 ]; then
    :
  elif [ "$status" -eq 126 ] || [ "$status" -eq 127 ]; then
    fail "$name: could not be started"
  elif [ "$status" -eq 124 ]; then
    fail "$name: still running after 20 s"
  elif [ "$status" -ge 128 ]; then
    fail "$name: ended by signal $((status - 128))"
  else
    fail "$name: exit status $status, wanted 2"
  fi
  if ls "$dir" | grep -q '^core'; then
    fail "$name: left a core file"
  fi
  if [ "$lines" -ne 1 ]; then
    fail "$name: $lines lines on stderr, wanted 1:"
    sed 's/^/    /' "$dir/stderr" >&2
  fi
  if ! grep -qF "\"$platform\"" "$dir/stderr"; then
    fail "$name: the message does not name the platform \"$platform\""
  fi
  if [ "$platform" = xcb ]; then
    grep -qi 'display' "$dir/stderr" || fail "$name: the message does not mention the display"
    grep -q 'xvfb-run' "$dir/stderr" || fail "$name: the message does not say how to run under xvfb-run"
  elif grep -q 'xvfb-run' "$dir/stderr"; then
    fail "$name: the message offers xvfb-run, which cannot help here"
  fi
  if [ -s "$dir/stdout" ]; then
    fail "$name: wrote to stdout"
  fi
  echo "$name: status $status: $(head -c 300 "$dir/stderr")"
}

run_case no_display_set xcb
run_case empty_display xcb DISPLAY=
run_case server_not_running xcb "DISPLAY=$(dead_display)"
run_case unreadable_display_name xcb DISPLAY=nowhere:zero
run_case x11_asked_for_but_unreachable xcb QT_QPA_PLATFORM=xcb "DISPLAY=$(dead_display)"
run_case wayland_display_that_does_not_exist xcb WAYLAND_DISPLAY=nonexistent
run_case platform_qt_does_not_have nonexistent QT_QPA_PLATFORM=nonexistent
run_case platform_qt_does_not_have_with_a_display bogus QT_QPA_PLATFORM=bogus "DISPLAY=$(dead_display)"

start_xvfb
QT_LOGGING_RULES='qt.qpa.plugin=true' start_app "$app" || fail "with a display: no window"
if ! grep -q '^qt.qpa.plugin: ' "$E2E_WORK/app.log"; then
  fail "with a display: Qt's start-up messages were swallowed"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
