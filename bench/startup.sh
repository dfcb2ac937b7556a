#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Start-up benchmark: time from launch until the main window's first frame is drawn (and, for
# comparison, until it is mapped), the processor time it took until then, and resident memory
# once it is shown, for the program and for a minimal Qt Widgets window (the floor any Qt program
# pays), in two cases: the C locale against the minimal window, and LANG=zh_CN.UTF-8 (the
# program in Simplified Chinese, where its catalogue is present) against a minimal window that
# shows Chinese text, regular and bold, in the same locale. The two of each case run alternately
# under a private Xvfb with a fresh HOME; prints the medians and the ratio of the medians. The
# targets apply to the first frame and the resident memory.
#
# Usage: bench/startup.sh [RUNS] [PROGRAM]
#   RUNS     launches of each program in each case (default 15)
#   PROGRAM  the program to measure (default: the Release build in build/bench-release)
# KQ_STARTUP_CASES chooses the cases ("C zh_CN zh_CN-texts", the default; or some of them).
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
      minimal-chinese-window minimal-chinese-texts-window launch-and-wait >/dev/null
program=${2:-"$build/src/app/kq-pregnancy-calendar"}
minimal="$build/bench/startup/minimal-qt-window"
minimal_chinese="$build/bench/startup/minimal-chinese-window"
minimal_texts="$build/bench/startup/minimal-chinese-texts-window"
catalogue="$build/src/app/kq_zh_CN.qm"
cases=${KQ_STARTUP_CASES:-C zh_CN zh_CN-texts}

# The Chinese case needs the zh_CN.UTF-8 locale and a Chinese font. They are set up here, for the
# measurement only: the program itself needs neither (its package recommends the font).
as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo "$@"
    else echo "startup.sh: please run as root: $*" >&2; return 1
    fi
}
if [[ " $cases " == *" zh_CN"* ]]; then
    if ! locale -a | grep -qix 'zh_CN\.utf-\?8'; then
        [[ -d /usr/share/i18n/locales ]] \
            || as_root apt-get install -y --no-install-recommends locales >/dev/null
        as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    fi
    if [[ -z $(fc-list :lang=zh-cn family) ]]; then
        as_root apt-get install -y --no-install-recommends fonts-noto-cjk >/dev/null
    fi
fi
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

title="KQ Rurevir Ivideruzi Zuduzire v1.95"
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One case: LOCALE, the floor's title and program, the targets of the time and memory ratios,
# and the floor's arguments, if any.
measure() {
    local locale=$1 floor_title=$2 floor=$3 time_target=$4 memory_target=$5
    shift 5
    # One warm-up launch of each (the first run writes the program's one setting; file caches
    # fill).
    LANG=$locale "$waiter" "$title" "$program" >/dev/null
    LANG=$locale "$waiter" "$floor_title" "$floor" "$@" >/dev/null

    : >"$scratch/program" ; : >"$scratch/floor"
    for _ in $(seq "$runs"); do
        LANG=$locale "$waiter" "$title" "$program" >>"$scratch/program"
        LANG=$locale "$waiter" "$floor_title" "$floor" "$@" >>"$scratch/floor"
    done

    # launch-and-wait prints: mapped ms, first frame ms, resident KiB, processor ms to the frame.
    local column p m
    declare -A value
    for column in 1 2 3 4; do
        p=$(cut -d' ' -f$column "$scratch/program" | median)
        m=$(cut -d' ' -f$column "$scratch/floor" | median)
        value[p$column]=$p value[m$column]=$m
    done
    echo "LANG=$locale"
    printf '%-28s %10s %10s %12s %10s\n' "" "frame ms" "mapped ms" "resident KiB" "CPU ms"
    printf '%-28s %10s %10s %12s %10s\n' "program" "${value[p2]}" "${value[p1]}" "${value[p3]}" "${value[p4]}"
    printf '%-28s %10s %10s %12s %10s\n' "$floor_title" "${value[m2]}" "${value[m1]}" "${value[m3]}" "${value[m4]}"
    awk -v f="${value[p2]}" -v g="${value[m2]}" -v a="${value[p1]}" -v b="${value[m1]}" \
        -v c="${value[p3]}" -v d="${value[m3]}" -v u="${value[p4]}" -v v="${value[m4]}" \
        -v t="$time_target" -v m="$memory_target" 'BEGIN {
        printf "%-28s %10.2f %10.2f %12.2f %10.2f\n", "ratio", f / g, a / b, c / d, u / v
        printf "targets: first frame <= %s, resident memory <= %s\n", t, m }'
}

unset LANGUAGE LC_ALL LC_MESSAGES
for case in $cases; do
    case $case in
    C) measure C.UTF-8 "Minimal Qt window" "$minimal" 1.25 1.15 ;;
    zh_CN) measure zh_CN.UTF-8 "Minimal Qt window, Chinese" "$minimal_chinese" 1.15 1.15 ;;
    # The floor that draws the main window's own Chinese texts, from the program's catalogue.
    zh_CN-texts) measure zh_CN.UTF-8 "Minimal Qt window, Chinese texts" "$minimal_texts" 1.15 1.15 \
        "$catalogue" ;;
    *) echo "startup.sh: unknown case $case (C, zh_CN or zh_CN-texts)" >&2; exit 64 ;;
    esac
done
