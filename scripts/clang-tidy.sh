#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Runs clang-tidy with the checks of .clang-tidy over the program's own sources (src/), using
# the compile_commands.json of a configured build. Any finding fails the run.
# Usage: scripts/clang-tidy.sh [BUILD_FOLDER]   (default: build/test, the folder ./test makes)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build/test"}

if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "clang-tidy: no compile_commands.json in $build; configure a build first" >&2
    exit 1
fi
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [[ -z "$runner" || -z "$tidy" ]]; then
    echo "clang-tidy: clang-tidy is not installed (Debian package clang-tidy)" >&2
    exit 1
fi

# Only files of the source tree's src/: not the tests, not the sources CMake generates in the
# build folder (the page table made from modMasterEdit.cpp.in, Qt's moc output).
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if "$runner" -clang-tidy-binary "$tidy" -p "$build" -j "$(nproc)" -quiet \
        "^$here/src/.*\.cpp\$" >"$log" 2>&1; then
    echo "clang-tidy: no findings in src/"
    exit 0
fi
# The runner prints every file's compiler statistics; show only the findings.
grep -E -A3 '(warning|error): ' "$log" | sed 's/\x1b\[[0-9;]*m//g' >&2 || cat "$log" >&2
echo "clang-tidy: findings in src/ (see above)" >&2
exit 1
