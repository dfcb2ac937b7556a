#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The catalogues are up to date with the sources: lupdate, run on the sources into a copy of
# each catalogue, changes nothing (no text is missing, none is left over).
# Usage: check_catalogues_current.sh LUPDATE SOURCE-DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$root"/translations/kq_*.ts; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
done
(cd "$root" && "$lupdate" -silent -locations none -no-obsolete src/ui src/shell src/app \
    -ts "${copies[@]}")
status=0
for ts in "$root"/translations/kq_*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")"; then
        echo "$(basename "$ts") is not up to date: run 'cmake --build BUILD --target update_translations'" >&2
        status=1
    fi
done
exit $status
