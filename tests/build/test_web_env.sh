#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What `make web` hands emscripten must build for a user who cannot write the
# package's cache, before and after the packages are there: Debian's
# emscripten only works from its own prebuilt, read-only cache.
set -euo pipefail
makefile=${1:?usage: test_web_env.sh MAKEFILE}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$makefile" "$work/Makefile"
cat >"$work/hello.cpp" <<'CPP'
#include <cstdio>
int main() { std::puts("hello"); }
CPP

# As root, the test is run by nobody; otherwise the user is ordinary already.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody: "$work"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
run() { env -u EM_CACHE HOME="$work" "${as_user[@]}" "$@"; }

# The environment the Makefile puts before `cmake --preset web`, as make reads it.
line=$(run make -n -C "$work" --no-print-directory web | awk '/cmake --preset web/ && !n++')
[ -n "$line" ] ||
  { echo "FAIL: 'make -n web' runs no 'cmake --preset web'"; exit 1; }
prefix=${line%%cmake --preset web*}
echo "make web sets: '${prefix}'"

# The same environment compiles and links a program as that user.
if ! (cd "$work" && run env $prefix em++ hello.cpp -o hello.js) >"$work/em.log" 2>&1; then
  echo "FAIL: em++ with that environment, as $(run id -un):"
  cat "$work/em.log"
  exit 1
fi
echo "ok   em++ builds as $(run id -un) from the package's own cache"
