#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# End-to-end: one copy per user. With one copy running, a second copy shows "Application is
# already running" under the application's title, opens no window, ends with status 0 once
# the message is answered, and leaves the first copy and its main window as they were.
# Usage: second_instance.sh PATH-TO-kq-pregnancy-calendar
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

start_copy
first=$app
main=$(wait_window "$full_title" "$first") || fail "the first copy's main window did not appear"
geometry=$(xdo getwindowgeometry "$main")

start_copy
second=$app
box=$(wait_window "$box_title" "$second") || fail "the second copy showed no message box"
echo "message box: $box"
[[ -z $(windows_titled "$full_title" "$second") ]] || fail "the second copy opened a window"
xdo windowfocus --sync "$box"
xdo key Return
wait_exit "$second" || fail "the second copy did not end after its message was answered"
echo "second copy ended with status $status"
[[ $status -eq 0 ]] || fail "exit status $status"

gone "$first" && fail "the first copy ended"
[[ $(windows_titled "$full_title") == "$main" ]] || fail "the first copy's windows changed"
[[ $(xdo getwindowgeometry "$main") == "$geometry" ]] || fail "the main window moved"
[[ $(lock_holder) == "$first" ]] || fail "the first copy lost its instance lock"
echo "PASS"
