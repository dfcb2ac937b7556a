#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Measures how much of the program's own code (src/) the test suite runs: builds the program
# and its tests with gcc's coverage instrumentation in build/coverage (Debug, kept between
# runs), runs the ctest suite there and prints the line and branch coverage of src/ with gcovr.
# Sources CMake or moc generate in the build folder, the tests and the benchmarks are not
# counted. Branches that only throw an exception and branches gcc marks unreachable are left
# out (they are the compiler's, not the program's).
#
# Two package tests are left out because they run none of the program's code:
# package.DebianPackage (CPack and lintian over the built files, minutes on a small machine)
# and package.Licensing (reuse lint over the source tree). Every other test runs, the end-to-end
# tests under Xvfb included.
#
# Usage: scripts/coverage.sh [extra ctest arguments]
# Writes build/coverage/html/index.html (line by line, per file) besides the summary on stdout.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/coverage"

command -v gcovr >/dev/null || { echo "coverage: gcovr is not installed (Debian package gcovr)" >&2; exit 1; }

# The benchmarks measure speed, which means nothing with instrumentation: left out.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
      -DKQ_BUILD_BENCHMARKS=OFF \
      -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic" \
      -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage
cmake --build "$build" --parallel "$(nproc)"

# Counters of an earlier run would add up with this one's; the notes of objects whose source
# is gone (a test file removed since the last run) would be read as code never run.
find "$build" -name '*.gcda' -delete
ninja -C "$build" -t cleandead >/dev/null
find "$build" -name '*.gcno' | while read -r notes; do
    [[ -e "${notes%.gcno}.o" ]] || rm -f "$notes"
done

status=0
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600 \
     -E '^package\.(DebianPackage|Licensing)$' "$@") || status=$?

# Only the objects of the program and of the tests are read (not the compiler-identification
# program CMake builds at configure time); the tests' objects count for the code of src/'s
# headers that they run.
mkdir -p "$build/html"
gcovr --root "$here" --object-directory "$build" --filter "$here/src/" \
      --exclude-throw-branches --exclude-unreachable-branches \
      --html-details "$build/html/index.html" --print-summary \
      "$build/src" "$build/tests"

if [[ $status -ne 0 ]]; then
    echo "coverage: some tests failed (ctest exit status $status); the figures count them as run" >&2
fi
exit "$status"
