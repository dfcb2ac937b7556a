#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The catalogues are up to date with the sources: lupdate, run on the sources into a copy of
# each catalogue, changes nothing (no text is missing, none is left over).
# Usage: check_catalogues_current.sh LUPDATE SOURCE-DIR NAME=FOLDER[:FOLDER...]...
#   each NAME=FOLDERS: the catalogues translations/NAME_*.ts and the folders of their sources,
#   as the build lists them (kq_add_catalogues)
set -euo pipefail
lupdate=$1
root=$2
shift 2
[[ $# -gt 0 ]] || { echo "no catalogues named" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for catalogue in "$@"; do
    name=${catalogue%%=*}
    IFS=: read -r -a folders <<<"${catalogue#*=}"
    copies=()
    for ts in "$root/translations/${name}"_*.ts; do
        cp "$ts" "$work/"
        copies+=("$work/$(basename "$ts")")
    done
    "$lupdate" -silent -locations none -no-obsolete "${folders[@]}" -ts "${copies[@]}"
    for ts in "$root/translations/${name}"_*.ts; do
        if ! diff -u "$ts" "$work/$(basename "$ts")"; then
            echo "$(basename "$ts") is not up to date: run 'cmake --build BUILD --target update_translations'" >&2
            status=1
        fi
    done
done
exit $status
