#!/usr/bin/env bash
# Times kq-predict --batch on 1,000,000 generated "BIRTH CONCEPTION" lines (about one in a
# hundred malformed or impossible, the rest spread over every birth and conception year).
# Usage: bench/batch.sh [path/to/kq-predict] [lines]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kq_predict=${1:-"$here/../build/src/cli/kq-predict"}
lines=${2:-1000000}
[[ -x "$kq_predict" ]] || { echo "no kq-predict at $kq_predict (build first)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$lines" 'BEGIN {
    srand(1995);
    for (i = 1; i <= n; i++) {
        r = rand();
        if (r < 0.005) { print "not a date"; continue }
        if (r < 0.010) { printf "%04d-02-30 %04d-04-31\n", 1915 + int(rand() * 98), 1960 + int(rand() * 53); continue }
        by = 1915 + int(rand() * 98); bm = 1 + int(rand() * 12); bd = 1 + int(rand() * 28);
        cy = 1960 + int(rand() * 53); cm = 1 + int(rand() * 12); cd = 1 + int(rand() * 28);
        printf "%04d-%02d-%02d %04d-%02d-%02d\n", by, bm, bd, cy, cm, cd;
    }
}' > "$work/input.txt"

echo "input: $(wc -l < "$work/input.txt") lines, $(wc -c < "$work/input.txt") bytes"
for run in 1 2 3; do
    start=$(date +%s%N)
    "$kq_predict" --batch --today 2012-06-15 < "$work/input.txt" > "$work/output.txt"
    end=$(date +%s%N)
    awk -v run="$run" -v ns="$((end - start))" 'BEGIN { printf "run %d: %.3f s\n", run, ns / 1e9 }'
done
echo "output: $(wc -l < "$work/output.txt") lines"
grep -c '"outcome":"Predicted"' "$work/output.txt" | sed 's/^/predicted: /'
