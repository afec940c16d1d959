#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch root, as a package would, and checks that
# the desktop finds the program: its files in the standard places, the menu
# entry and the software-centre data passing their validators, and every name
# one file gives another pointing at something installed. Needs no display.
set -euo pipefail
app=${1:?usage: test_install.sh BINARY}
build=$(dirname "$app")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr >"$root/install.log"
usr=$root/usr
id=io.github.wavesynthesis.WaveSynthesis
desktop=$usr/share/applications/wave-synthesis.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
sizes=(16 24 32 48 64 128 256)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected=(bin/wave-synthesis share/applications/wave-synthesis.desktop "share/metainfo/$id.metainfo.xml"
  share/icons/hicolor/scalable/apps/wave-synthesis.svg)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/wave-synthesis.png")
done
for file in "${expected[@]}"; do
  [ -s "$usr/$file" ] || fail "not installed: /usr/$file"
done
[ -x "$usr/bin/wave-synthesis" ] || fail "the program is not executable"
cmp -s "$app" "$usr/bin/wave-synthesis" || fail "the installed program is not the one built"
[ "$failures" -eq 0 ] || exit 1

echo "-- desktop-file-validate"
# Hints count too: a silent check is the only clean one.
hints=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$hints" ] || fail "desktop-file-validate: $hints"
echo "-- appstreamcli validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli validate-tree"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "波の合成" ] || fail "menu name is '$(key Name)'"
[ -n "$(key GenericName)" ] && [ -n "$(key Comment)" ] || fail "no English generic name or comment"
[ "$(key Categories)" = "Education;Physics;" ] || fail "categories are '$(key Categories)'"
[ -x "$usr/bin/$(key Exec | cut -d' ' -f1)" ] || fail "Exec names no installed program"
[ -s "$usr/share/icons/hicolor/scalable/apps/$(key Icon).svg" ] || fail "Icon names no installed icon"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  fail "the software-centre data names another menu entry"
grep -q "<id>$id</id>" "$metainfo" || fail "the software-centre data's id is not its file's name"
grep -q '<binary>wave-synthesis</binary>' "$metainfo" || fail "the software-centre data names another program"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the software-centre data names no licence"
cmp -s "$(dirname "$0")/../../LICENSE" "$usr/share/doc/wave-synthesis/LICENSE" || fail "the licence is not installed"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/wave-synthesis.png
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x$h"
done

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "installed files and validators: all passed"
