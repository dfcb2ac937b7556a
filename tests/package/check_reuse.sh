#!/usr/bin/env bash
# Licensing check: reuse lint over the source tree, so that every file names its copyright
# holder and licence (a header, or .reuse/dep5 for pictures, documents and data) and every
# licence named has its text under LICENSES/.
# In a git checkout only the files git would commit are linted (tracked, and new ones that are
# not ignored): a build folder, wherever it lies, is not part of the project.
# Usage: check_reuse.sh SOURCE-DIR
set -euo pipefail

source_dir=$1

if ! command -v reuse >/dev/null; then
    echo "SKIP: reuse is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$source_dir
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    tree=$work/tree
    mkdir "$tree"
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
        | while IFS= read -r -d '' file; do
            if [[ -e $file || -L $file ]]; then printf '%s\0' "$file"; fi
        done | tar --null -T - -cf -) | tar -xf - -C "$tree"
fi

if ! (cd "$tree" && reuse lint) >"$work/lint.log" 2>&1; then
    cat "$work/lint.log"
    echo "FAIL: reuse lint"
    exit 1
fi
tail -n 3 "$work/lint.log"
