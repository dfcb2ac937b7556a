#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# End-to-end smoke test: starts the real program on a private X server, leaves the main window
# through File > Exit as a user would, checks that the support window comes up on top of other
# windows while the program keeps running, leaves it with "E&xit", and checks that the program
# then ends by itself with status 0 and leaves no instance lock behind. Then the same with the
# menu entry's action "Open with the years 1901 to 2099" (its Exec line read from the desktop
# file given as the second argument).
# Usage: smoke.sh PATH-TO-kq-pregnancy-calendar PATH-TO-DESKTOP-FILE
set -euo pipefail
program=$1
desktop_file=$2
source "$(dirname "$0")/lib.sh"

start_copy
main=$(wait_window "$full_title" "$app") || fail "the main window did not appear"
echo "main window: $main"
[[ $(lock_holder) == "$app" ]] || fail "the running copy holds no instance lock"

# File > Exit (Alt+F, then x).
keys "$main" alt+f x
support=$(wait_window "$full_title" "$app" "$main") || fail "the support window did not appear"
echo "support window: $support"
[[ $(windows_titled "$full_title" "$app") == "$support" ]] || fail "the support window is not alone"
gone "$app" && fail "the program ended before the support window was closed"
state=$(timeout 10 xprop -id "$support" _NET_WM_STATE)
echo "$state"
[[ "$state" == *_NET_WM_STATE_ABOVE* ]] || fail "the support window is not kept on top"

# Its "E&xit" button (Alt+X) ends the program.
keys "$support" alt+x
wait_exit "$app" || fail "the program did not end after the support window's Exit"
echo "program ended with status $status"
[[ $status -eq 0 ]] || fail "exit status $status"
[[ ! -e "$lock" ]] || fail "the instance lock was left behind: $lock"

# The desktop action: its Exec line, with the program's own path in place of its name.
action_exec=$(sed -n '/^\[Desktop Action extended-calendar\]/,/^\[/s/^Exec=//p' "$desktop_file")
[[ $action_exec == "$(basename "$program") --extended-calendar" ]] \
    || fail "the desktop action runs '$action_exec'"
read -r -a action_args <<<"${action_exec#* }"
start_copy "${action_args[@]}"
main=$(wait_window "$full_title" "$app") || fail "the main window did not appear with the option"
echo "main window with the extended calendar: $main"
keys "$main" alt+f x
support=$(wait_window "$full_title" "$app" "$main") || fail "no support window with the option"
keys "$support" alt+x
wait_exit "$app" || fail "the program did not end with the option"
[[ $status -eq 0 ]] || fail "exit status $status with the option"
echo "PASS"
