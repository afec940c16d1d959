#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every tracked C++ file as .clang-format has it; `make format` mends drift.
set -euo pipefail
cd "${1:?usage: test_format.sh SOURCE_DIR}"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
[ "${#files[@]}" -gt 0 ] || { echo "FAIL: no tracked C++ files found"; exit 1; }
clang-format --dry-run -Werror "${files[@]}"
echo "ok   ${#files[@]} files in the one style"
