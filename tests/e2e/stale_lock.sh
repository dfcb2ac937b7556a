#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# End-to-end: a lock left behind by a copy that was killed (no chance to clean up) does not
# keep the next copy from starting.
# Usage: stale_lock.sh PATH-TO-kq-pregnancy-calendar
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

start_copy
killed=$app
wait_window "$full_title" "$killed" >/dev/null || fail "the main window did not appear"
kill -9 "$killed"
wait_exit "$killed" || fail "the killed copy did not go"
[[ $(lock_holder) == "$killed" ]] || fail "no lock was left behind to test with"

start_copy
main=$(wait_window "$full_title" "$app") || fail "the main window did not appear after the kill"
echo "main window: $main"
[[ -z $(windows_titled "$box_title") ]] || fail "a message box came up"
[[ $(lock_holder) == "$app" ]] || fail "the new copy does not hold the lock"
echo "PASS"
