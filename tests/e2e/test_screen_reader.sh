#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader sees: the real program under its own X server and its
# own session and accessibility buses, read by an AT-SPI client. Every control
# is there by its spoken name, in English, or in Japanese under a Japanese
# locale, and a value label's text follows a press.
set -euo pipefail
app=${1:?usage: test_screen_reader.sh BINARY}
. "$(dirname "$0")/lib.sh"

start_xvfb
read -r bus_address bus_pid < <(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1 2>/dev/null | paste -s -d' ')
E2E_PIDS+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
E2E_PIDS+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
LANG=en_US.UTF-8 LC_ALL= LANGUAGE= start_app "$app"

cat >"$E2E_WORK/reader.py" <<'PY'
import subprocess, sys, time
import pyatspi

def application(name):
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit("FAIL: no application %s on the accessibility bus" % name)

def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)

def by_name(app):
    return {n.name: n for n in nodes(app) if n.name}

failures = []
def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)

app = application("wave-synthesis")
named = by_name(app)
controls = [n for n in nodes(app) if n.name and n.getRoleName() != "application" and n.name != "波の合成"]
check(len(controls) == 72, "%d named controls, not 72" % len(controls))
check(len({n.name for n in controls}) == len(controls), "two controls share a name")

expected = {
    "Amplitude of wave A, up/down": "spin button",
    "Frequency of wave C, up/down": "spin button",
    "Time span, up/down": "spin button",
    "Step of amplitude 0.5": "radio button",
    "Step of frequency 0.1": "radio button",
    "Wave A: cosine": "radio button",
    "Wave D: sine": "radio button",
    "Synthesized wave E": "chart",
    "Wave B": "chart",
    "Reset time span": "push button",
    "Amplitude of wave A": "label",
    "Band A": "panel",
}
for name, role in expected.items():
    node = named.get(name)
    check(node is not None and node.getRoleName() == role,
          "%s: %s" % (name, node.getRoleName() if node else "missing"))

label = named["Amplitude of wave A"]
check(label.description == "0", "amplitude of A reads %r at start" % label.description)

# The upper arrow of the amplitude spinner of wave A, pressed by the pointer.
subprocess.run(["xdotool", "mousemove", "--window", sys.argv[1], "376", "21", "click", "1"], check=True)
for _ in range(150):
    if label.description == "1":
        break
    time.sleep(0.1)
check(label.description == "1", "amplitude of A reads %r after a press" % label.description)
sys.exit(1 if failures else 0)
PY

check "what the accessibility bus shows" /usr/bin/python3 "$E2E_WORK/reader.py" "$WINDOW"

# The same window under a Japanese locale speaks Japanese.
kill "${E2E_PIDS[-1]}"
LANG=ja_JP.UTF-8 LC_ALL= LANGUAGE= start_app "$app"
cat >"$E2E_WORK/japanese.py" <<'PY'
import sys, time
import pyatspi

def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)

def names_of(app):
    try:
        return {n.name: n.getRoleName() for n in nodes(app) if n.name}
    except Exception:  # the window started first, gone
        return {}

names = {}
for _ in range(150):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "wave-synthesis":
            names = names_of(app) or names
    if "合成波E" in names:
        break
    time.sleep(0.1)
expected = {"波Aの振幅、増減": "spin button", "波Dの周波数": "label", "合成波E": "chart",
            "RESET：時間幅を1秒に戻す": "push button", "振幅の刻み 0.5": "radio button", "波B：サイン": "radio button"}
wrong = ["%s: %s" % (name, names.get(name, "missing")) for name, role in expected.items() if names.get(name) != role]
english = [n for n in names if n.startswith("Amplitude of")]
print("\n".join("FAIL: " + w for w in wrong + english))
sys.exit(1 if wrong or english else 0)
PY
check "under a Japanese locale the names are Japanese" /usr/bin/python3 "$E2E_WORK/japanese.py"
finish
