#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The catalogues are up to date with the sources: lupdate, run on the sources into a copy of
# each catalogue, changes nothing (no text is missing, none is left over). The windows'
# catalogues (kq_*.ts) come from src/ui, src/shell and src/app, kq-predict's
# (kq-predict_*.ts) from src/cli, the engine's answers that both show (kq-engine_*.ts) from
# src/l10n.
# Usage: check_catalogues_current.sh LUPDATE SOURCE-DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# refresh PATTERN SOURCE-DIRS...: copies the catalogues PATTERN and runs lupdate into the copies.
refresh() {
    local pattern=$1
    shift
    local copies=()
    for ts in "$root"/translations/$pattern; do
        cp "$ts" "$work/"
        copies+=("$work/$(basename "$ts")")
    done
    (cd "$root" && "$lupdate" -silent -locations none -no-obsolete "$@" -ts "${copies[@]}")
}
refresh 'kq_*.ts' src/ui src/shell src/app
refresh 'kq-predict_*.ts' src/cli
refresh 'kq-engine_*.ts' src/l10n

status=0
for ts in "$root"/translations/kq_*.ts "$root"/translations/kq-predict_*.ts \
    "$root"/translations/kq-engine_*.ts; do
    if ! diff -u "$ts" "$work/$(basename "$ts")"; then
        echo "$(basename "$ts") is not up to date: run 'cmake --build BUILD --target update_translations'" >&2
        status=1
    fi
done
exit $status
