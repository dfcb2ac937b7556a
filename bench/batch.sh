#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Times kq-predict --batch on 1,000,000 generated "BIRTH CONCEPTION" lines (about one in a
# hundred malformed or impossible, the rest spread over every birth and conception year) side
# by side with the input/output floor (batch-floor/BatchFloor.cpp, built here with the system's
# C++ compiler): a program that reads the same input and writes, for each line, a fixed answer
# as long as kq-predict's answers are on average. The two run alternately; the script prints
# the median of each and the ratio of the medians. With "extended" the dates spread over the
# whole accepted span (conceptions 1901 to 2099, births 1856 to 2099) instead of the main
# window's years.
# Usage: bench/batch.sh [path/to/kq-predict] [lines] [runs] [classic|extended]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kq_predict=${1:-"$here/../build/src/cli/kq-predict"}
lines=${2:-1000000}
runs=${3:-7}
span=${4:-classic}
case "$span" in
    classic) birth_first=1915 conception_first=1960 last=2012 ;;
    extended) birth_first=1856 conception_first=1901 last=2099 ;;
    *) echo "span must be classic or extended" >&2; exit 1 ;;
esac
[[ -x "$kq_predict" ]] || { echo "no kq-predict at $kq_predict (build first)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${CXX:-c++}" -std=c++17 -O2 -o "$work/batch-floor" "$here/batch-floor/BatchFloor.cpp"

awk -v n="$lines" -v bf="$birth_first" -v cf="$conception_first" -v last="$last" 'BEGIN {
    srand(1995);
    births = last - bf + 1; conceptions = last - cf + 1;
    for (i = 1; i <= n; i++) {
        r = rand();
        if (r < 0.005) { print "not a date"; continue }
        if (r < 0.010) { printf "%04d-02-30 %04d-04-31\n", bf + int(rand() * births), cf + int(rand() * conceptions); continue }
        by = bf + int(rand() * births); bm = 1 + int(rand() * 12); bd = 1 + int(rand() * 28);
        cy = cf + int(rand() * conceptions); cm = 1 + int(rand() * 12); cd = 1 + int(rand() * 28);
        printf "%04d-%02d-%02d %04d-%02d-%02d\n", by, bm, bd, cy, cm, cd;
    }
}' > "$work/input.txt"
echo "input: $(wc -l < "$work/input.txt") lines, $(wc -c < "$work/input.txt") bytes, $span years"

# One untimed run of each warms the page cache and gives the answers' average length.
"$kq_predict" --batch --today 2012-06-15 < "$work/input.txt" > "$work/output.txt"
answers=$(wc -l < "$work/output.txt")
length=$(( ($(wc -c < "$work/output.txt") - answers + answers / 2) / answers ))
echo "output: $answers lines, $(grep -c '"outcome":"Predicted"' "$work/output.txt") predicted, $length characters per answer on average"
"$work/batch-floor" "$length" < "$work/input.txt" > "$work/floor.txt"

timed() { # INPUT OUTPUT command...: prints the run's wall and CPU time (user + system) in seconds
    local input=$1 output=$2 TIMEFORMAT='%R %U %S'
    shift 2
    { time "$@" < "$input" > "$output"; } 2>&1 | awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: > "$work/kq.times"
: > "$work/floor.times"
for ((run = 1; run <= runs; run++)); do
    read -r kq_wall kq_cpu < <(timed "$work/input.txt" "$work/output.txt" "$kq_predict" --batch --today 2012-06-15)
    read -r floor_wall floor_cpu < <(timed "$work/input.txt" "$work/floor.txt" "$work/batch-floor" "$length")
    echo "$kq_wall $kq_cpu" >> "$work/kq.times"
    echo "$floor_wall $floor_cpu" >> "$work/floor.times"
    printf 'run %d: kq-predict %.3f s (CPU %.3f s), floor %.3f s (CPU %.3f s)\n' \
        "$run" "$kq_wall" "$kq_cpu" "$floor_wall" "$floor_cpu"
done
kq_wall=$(cut -d' ' -f1 "$work/kq.times" | median)
kq_cpu=$(cut -d' ' -f2 "$work/kq.times" | median)
floor_wall=$(cut -d' ' -f1 "$work/floor.times" | median)
floor_cpu=$(cut -d' ' -f2 "$work/floor.times" | median)
awk -v kw="$kq_wall" -v kc="$kq_cpu" -v fw="$floor_wall" -v fc="$floor_cpu" -v runs="$runs" 'BEGIN {
    printf "medians of %d runs: kq-predict --batch %.3f s (CPU %.3f s), floor %.3f s (CPU %.3f s)\n", runs, kw, kc, fw, fc
    printf "ratio to the floor: %.2f wall time, %.2f CPU time (target: at most 2.5)\n", kw / fw, kc / fc
}'
