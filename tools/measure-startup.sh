#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time (process start to the first frame on screen) and peak
# resident memory of the program, against a bare Qt window of the same size,
# under an Xvfb of our own. Prints the medians and their ratios.
#
#   tools/measure-startup.sh [runs]        (default 9 runs each)
#
# Expects the release build: `make measure` builds it and runs this.
set -euo pipefail

runs=${1:-9}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/release}
app=$build/wave-synthesis
bare=$build/bench/bare_window
probe=$build/bench/first_frame

for f in "$app" "$bare" "$probe"; do
  [ -x "$f" ] || { echo "missing $f: run 'make measure'" >&2; exit 2; }
done
for tool in Xvfb xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps.sh" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time: run tools/install-deps.sh" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody holds; -br paints the root black, which the probe
# tells a drawn window from.
display=
for n in $(seq 171 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -br >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then display=":$n"; break; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
done
[ -n "$display" ] || { echo "no free display in :171..:199" >&2; exit 2; }
export DISPLAY=$display

# One start: the probe starts the program under GNU time, reports the first
# frame, then closes the window as its close button would.
measure() {
  local out
  out=$("$probe" --settle-ms 200 -- /usr/bin/time -f 'maxrss_kb=%M' -o "$work/rss" "$1" 2>"$work/stderr") \
    || { echo "the probe failed on $1:" >&2; cat "$work/stderr" >&2; exit 1; }
  local frame=${out##*frame_ms=}
  local rss
  rss=$(sed -n 's/.*maxrss_kb=//p' "$work/rss")
  echo "$frame $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Alternating, so a busy moment on the machine falls on both alike.
measure "$bare" >/dev/null
measure "$app" >/dev/null
: >"$work/app" ; : >"$work/bare"
for _ in $(seq "$runs"); do
  measure "$app" >>"$work/app"
  measure "$bare" >>"$work/bare"
done

app_ms=$(cut -d' ' -f1 "$work/app" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
app_kb=$(cut -d' ' -f2 "$work/app" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)

echo "display $display, $runs runs each, medians:"
awk -v a="$app_ms" -v b="$bare_ms" -v am="$app_kb" -v bm="$bare_kb" 'BEGIN {
  t = a / b; m = am / bm
  printf "  first frame: wave-synthesis %.1f ms, bare window %.1f ms: %.2fx (goal <= 1.6x) %s\n", a, b, t, (t <= 1.6 ? "met" : "MISSED")
  printf "  peak resident memory: wave-synthesis %d kB, bare window %d kB: %.2fx (goal <= 1.3x) %s\n", am, bm, m, (m <= 1.3 ? "met" : "MISSED")
}'
echo "  all runs (ms kB): wave-synthesis: $(tr '\n' ';' <"$work/app") bare: $(tr '\n' ';' <"$work/bare")"
