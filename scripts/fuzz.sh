#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The fuzz targets of tests/fuzz, built with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz (kept between runs: the build is incremental).
#
#   scripts/fuzz.sh TARGET SECONDS   runs one target for that long from its kept corpus, then
#                                    merges the inputs that reach new code into the kept corpus
#                                    (tests/fuzz/corpus/TARGET). For longer runs by hand.
#   scripts/fuzz.sh --check [SECONDS]
#                                    runs every target in turn for SECONDS each (default
#                                    KQ_FUZZ_SECONDS, else 20) and changes nothing in the
#                                    repository: the fuzz stage of ./test.
# Targets: batch isodate settings referral engine.
# A crash, a leak, a timeout, running out of memory or a broken property fails the run; the
# failing input is printed as hex and kept under build/fuzz/findings/TARGET.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/fuzz"
targets=(batch isodate settings referral engine)

usage() {
    echo "usage: scripts/fuzz.sh TARGET SECONDS | scripts/fuzz.sh --check [SECONDS]" >&2
    echo "targets: ${targets[*]}" >&2
    exit 2
}

build_targets() {
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=OFF -DKQ_BUILD_BENCHMARKS=OFF \
          -DKQ_FUZZ=ON "${launcher[@]}" >/dev/null
    cmake --build "$build" --target kq_fuzzers --parallel "$(nproc)"
}

# run TARGET SECONDS WORKDIR: fuzzes from the kept corpus and the regression inputs; new
# inputs go to WORKDIR/new, never into the repository. Fails on any finding.
run() {
    local target=$1 seconds=$2 work=$3
    local findings="$build/findings/$target"
    mkdir -p "$work/new" "$findings"
    local seeds=("$here/tests/fuzz/corpus/$target")
    [[ -d "$here/tests/fuzz/regressions/$target" ]] && seeds+=("$here/tests/fuzz/regressions/$target")
    export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"
    echo "--- fuzz_$target for $seconds s"
    local status=0
    # -timeout: one input running 10 s is a hang. -max_len: room for a batch line over the
    # 4096-character limit. Fuzzing starts from every kept input.
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work/new" "${seeds[@]}" >"$work/log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^Done ' "$work/log" || true
    if [[ $status -ne 0 ]]; then
        grep -E -B2 -A20 'ERROR:|runtime error|broken property' "$work/log" | head -60 || true
        local artifact
        for artifact in "$findings"/*; do
            [[ -f "$artifact" ]] || continue
            echo "failing input $(basename "$artifact") ($(stat -c %s "$artifact") bytes), as hex:"
            od -An -tx1 -v "$artifact"
        done
        echo "fuzz_$target FAILED (full log: $work/log)"
        return 1
    fi
}

[[ $# -ge 1 ]] || usage
if [[ $1 == --check ]]; then
    seconds=${2:-${KQ_FUZZ_SECONDS:-20}}
    build_targets
    rm -rf "$build/findings"
    work=$(mktemp -d)
    failed=()
    for target in "${targets[@]}"; do
        run "$target" "$seconds" "$work/$target" || failed+=("$target")
    done
    if [[ ${#failed[@]} -gt 0 ]]; then
        echo "fuzzing found failures in: ${failed[*]}"
        exit 1
    fi
    rm -rf "$work"
    echo "every fuzz target ran $seconds s without a failure"
    exit 0
fi

[[ $# -eq 2 ]] || usage
target=$1 seconds=$2
[[ " ${targets[*]} " == *" $target "* ]] || usage
[[ $seconds =~ ^[0-9]+$ ]] || usage
build_targets
rm -rf "$build/findings/$target"
work="$build/runs/$target"
rm -rf "$work"
run "$target" "$seconds" "$work"
# Keep only the new inputs that reach code (edges, not hit counts) the kept corpus does not:
# the kept corpus stays at tens of files.
corpus="$here/tests/fuzz/corpus/$target"
before=$(find "$corpus" -type f | wc -l)
"$build/tests/fuzz/fuzz_$target" -merge=1 -use_counters=0 -max_len=8192 "$corpus" "$work/new" \
    >"$work/merge.log" 2>&1
echo "kept corpus of $target: $before -> $(find "$corpus" -type f | wc -l) files"
