#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build/asan (KQ_SANITIZE=ON) and runs the whole test suite under them. The first report of
# either sanitizer ends the process under test with a failure, so it fails the run.
# Usage: scripts/sanitize.sh [extra ctest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/asan"

# Kept between runs: the build is incremental (CMake tracks every change), and a full
# sanitizer build costs minutes on a small machine. The benchmarks are left out: they measure
# speed, which means nothing under the sanitizers.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
      -DKQ_SANITIZE=ON -DKQ_BUILD_BENCHMARKS=OFF
cmake --build "$build" --parallel "$(nproc)"

# halt_on_error/abort_on_error=0: the first report ends the process with a failing exit status
# (no core dump). Leak detection stays on: Qt's own libraries report no leak on the offscreen
# platform or on a private X server; the one system library that does (libdbus, used by the
# real program on X11) is named in lsan.supp, so a leak in our code still fails the run.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_invalid_pointer_pairs=0"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"

cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 "$@"
