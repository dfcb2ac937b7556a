#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Memory over a long session: runs bench/session/kq-session-memory under a private Xvfb with a
# fresh user (home, settings and runtime folder in a temporary folder) and prints the resident
# memory after 50 rounds and after the last; the target is under 1 kB a round after the first 50.
#
# Usage: bench/session-memory.sh [ROUNDS] [PROGRAM]
#   ROUNDS   rounds of "Get My Baby's Gender" then "&Back" (default 500)
#   PROGRAM  the measuring program (default: the Release build in build/bench-release)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
rounds=${1:-500}
build="$top/build/bench-release"
if [[ -z "${2:-}" ]]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
          -DKQ_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --parallel 2 --target kq-session-memory >/dev/null
fi
program=${2:-"$build/bench/session/kq-session-memory"}

scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
until [[ -s "$scratch/display" ]]; do timeout 0.1 tail --pid="$xvfb" -f /dev/null || true; done
mkdir -p "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
DISPLAY=":$(head -n1 "$scratch/display")" HOME="$scratch/home" \
    XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=xcb "$program" "$rounds"
