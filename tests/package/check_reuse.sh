#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Licensing check: reuse lint over the source tree, so that every file names its copyright
# holder and licence (a header, or .reuse/dep5 for pictures, documents and data) and every
# licence named has its text under LICENSES/.
# In a git checkout only the files git would commit are linted (tracked, and new ones that are
# not ignored): a build folder, wherever it lies, is not part of the project. Without git, the
# tree without what .gitignore leaves out and without BUILD-DIR.
# Usage: check_reuse.sh SOURCE-DIR [BUILD-DIR]
set -euo pipefail

source_dir=$1

if ! command -v reuse >/dev/null; then
    echo "SKIP: reuse is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir "$tree"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
        | while IFS= read -r -d '' file; do
            if [[ -e $file || -L $file ]]; then printf '%s\0' "$file"; fi
        done | tar --null -T - -cf -) | tar -xf - -C "$tree"
else
    # No usable git (a release tarball, or a checkout git will not read for its owner): the
    # tree without what .gitignore leaves out and without the build folder.
    build_dir=${2:-}
    excludes=(--exclude-vcs)
    if [[ -f $source_dir/.gitignore ]]; then
        while read -r pattern; do
            [[ -z $pattern || $pattern == \#* ]] && continue
            pattern=${pattern%/}
            if [[ $pattern == /* ]]; then
                excludes+=(--exclude=".$pattern")
            else
                excludes+=(--exclude="$pattern")
            fi
        done <"$source_dir/.gitignore"
    fi
    if [[ -n $build_dir && $(realpath "$build_dir") == "$(realpath "$source_dir")"/* ]]; then
        excludes+=(--exclude="./$(realpath --relative-to="$source_dir" "$build_dir")")
    fi
    (cd "$source_dir" && tar "${excludes[@]}" -cf - .) | tar -xf - -C "$tree"
fi

if ! (cd "$tree" && reuse lint) >"$work/lint.log" 2>&1; then
    cat "$work/lint.log"
    echo "FAIL: reuse lint"
    exit 1
fi
tail -n 3 "$work/lint.log"
