#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Start-up benchmark: time from launch until the main window is mapped, and resident memory once
# it is shown, for the program and for a minimal Qt Widgets window (the floor any Qt program
# pays). The two run alternately under a private Xvfb with a fresh HOME; prints the medians and
# the ratio of the medians.
#
# Usage: bench/startup.sh [RUNS] [PROGRAM]
#   RUNS     launches of each program (default 15)
#   PROGRAM  the program to measure (default: the Release build in build/bench-release)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
runs=${1:-15}
# Its own Release tree (build/bench-release, shared with the engine benchmarks); build/bench
# belongs to the ordinary build tree.
build="$top/build/bench-release"

"$top/scripts/ensure-packages.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DKQ_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kq-pregnancy-calendar minimal-qt-window \
      launch-and-wait >/dev/null
program=${2:-"$build/src/app/kq-pregnancy-calendar"}
minimal="$build/bench/startup/minimal-qt-window"
waiter="$build/bench/startup/launch-and-wait"

scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
# Let Xvfb choose a free display number and tell it through a pipe once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -nolisten unix -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ -s "$scratch/display" ]] && break; sleep 0.05; done
display=:$(head -n1 "$scratch/display")

# The runtime folder (where the program keeps its instance lock) is a memory file system, as
# /run/user/UID is on a desktop; on a disk the lock's flushes would be timed instead.
runtime=$scratch/run
[[ -d /dev/shm && -w /dev/shm ]] && runtime=$(mktemp -d /dev/shm/kq-startup.XXXXXX)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch" "$runtime"' EXIT
export DISPLAY=$display HOME=$scratch/home XDG_RUNTIME_DIR=$runtime
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# One warm-up launch of each (the first run writes the program's one setting; file caches fill).
"$waiter" "KQ Rurevir Ivideruzi Zuduzire v1.95" "$program" >/dev/null
"$waiter" "Minimal Qt window" "$minimal" >/dev/null

: >"$scratch/program" ; : >"$scratch/minimal"
for _ in $(seq "$runs"); do
    "$waiter" "KQ Rurevir Ivideruzi Zuduzire v1.95" "$program" >>"$scratch/program"
    "$waiter" "Minimal Qt window" "$minimal" >>"$scratch/minimal"
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
p_ms=$(cut -d' ' -f1 "$scratch/program" | median)
m_ms=$(cut -d' ' -f1 "$scratch/minimal" | median)
p_kb=$(cut -d' ' -f2 "$scratch/program" | median)
m_kb=$(cut -d' ' -f2 "$scratch/minimal" | median)
printf '%-22s %10s %12s\n' "" "window ms" "resident KiB"
printf '%-22s %10s %12s\n' "program" "$p_ms" "$p_kb"
printf '%-22s %10s %12s\n' "minimal Qt window" "$m_ms" "$m_kb"
awk -v a="$p_ms" -v b="$m_ms" -v c="$p_kb" -v d="$m_kb" 'BEGIN {
    printf "ratio (target)         %10.2f %12.2f   (time <= 1.25, memory <= 1.15)\n", a / b, c / d }'
