#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The sum as sound, for real: the program plays into the null sink of a sound
# server the test starts, the test records that sink back and reads its
# spectrum. Ctrl+M starts and stops it, hiding the window stops it, and
# without a sound server the learner gets one message and the window stays.
set -euo pipefail
app=${1:?usage: test_sound.sh BINARY}
. "$(dirname "$0")/lib.sh"

pulse="$E2E_WORK/pulse"
mkdir -m 700 "$pulse"
HOME="$pulse" XDG_RUNTIME_DIR="$pulse" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --load="module-null-sink sink_name=heard rate=48000" \
  --load="module-native-protocol-unix socket=$pulse/native auth-anonymous=1" >"$pulse/log" 2>&1 &
E2E_PIDS+=($!)
export PULSE_SERVER="unix:$pulse/native" XDG_RUNTIME_DIR="$pulse"
eventually pactl info >/dev/null || { echo "the sound server did not start:"; cat "$pulse/log"; exit 1; }

streams() { pactl list short sink-inputs | wc -l; }
is() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }
playing() { [ "$(streams)" -ge 1 ]; }
silent() { [ "$(streams)" = 0 ]; }
key() { timeout 10 xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true; xdotool key "$1"; }

start_xvfb
# A at 1 Hz is heard at 100 Hz, B at 3 Hz at 300 Hz with half the amplitude.
start_app "$app" '#A=5cos1&B=2.5sin3'
check "nothing plays before the learner asks" silent
key ctrl+m
check "Ctrl+M starts the sound" eventually playing
sleep 0.3 # past the glide in
# A loaded machine may starve the sink for a moment, and the server fills the
# gap with exact zeros. Each tenth of a second (whole turns of every pitch
# here) without such a gap is read alone, and each must be right.
timeout 10 parec -d heard.monitor --format=float32le --rate=48000 --channels=1 --raw 2>/dev/null |
  head -c $((2 * 48000 * 4)) >"$E2E_WORK/heard.raw" || true
check "the spectrum has the waves' pitches and amplitudes" /usr/bin/python3 - "$E2E_WORK/heard.raw" <<'PY'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
x = struct.unpack("<%df" % (len(data) // 4), data[: len(data) // 4 * 4])
def amplitude(part, hz):
    w = 2 * math.pi * hz / 48000
    re = sum(v * math.cos(w * i) for i, v in enumerate(part))
    im = sum(v * math.sin(w * i) for i, v in enumerate(part))
    return 2 * math.hypot(re, im) / len(part)
def starved(part):
    run = 0
    for v in part:
        run = run + 1 if v == 0.0 else 0
        if run >= 16:
            return True
    return False
read, wrong = 0, []
# The first tenth may still hold the glide in.
for start in range(4800, len(x) - 4799, 4800):
    part = x[start : start + 4800]
    if starved(part):
        continue
    read += 1
    a, b, between = amplitude(part, 100), amplitude(part, 300), amplitude(part, 200)
    if not (a > 0.01 and abs(b / a - 0.5) < 0.005 and between < 0.01 * a):
        wrong.append("at %.1f s: 100 Hz %.4f, 300 Hz %.4f, 200 Hz %.5f" % (start / 48000, a, b, between))
peak = max(map(abs, x), default=0.0)
print("     %d tenths read, %d starved, %d wrong, peak %.3f" % (read, len(x) // 4800 - read, len(wrong), peak))
for line in wrong:
    print("     " + line)
sys.exit(0 if read >= 3 and not wrong and peak <= 1.0 else 1)
PY
key ctrl+m
check "Ctrl+M again stops it" eventually silent

key ctrl+m
check "it plays again" eventually playing
timeout 10 xdotool windowunmap --sync "$WINDOW"
check "hiding the window stops it" eventually silent
timeout 10 xdotool windowmap --sync "$WINDOW"

# No server to play to: one message, and the window goes on.
kill "${E2E_PIDS[-1]}"
PULSE_SERVER=unix:/nonexistent start_app "$app"
key ctrl+m
windows() { xdotool search --onlyvisible --pid "${E2E_PIDS[-1]}" | wc -l; }
messages() { [ "$(windows)" = 2 ]; }
check "without a sound device a message says so" eventually messages
check "and the window is still there" kill -0 "${E2E_PIDS[-1]}"
[ "$E2E_FAILURES" = 0 ] || { echo "the program said:"; sed 's/^/    /' "$E2E_WORK/app.log"; }
finish
