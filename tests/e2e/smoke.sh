#!/usr/bin/env bash
# End-to-end smoke test: starts the real program on a private X server, leaves the main window
# through File > Exit as a user would, checks that the support window comes up on top of other
# windows while the program keeps running, leaves it with "E&xit", and checks that the program
# then ends by itself with status 0 and leaves no instance lock behind.
# Usage: smoke.sh PATH-TO-kq-pregnancy-calendar
set -euo pipefail
program=$1
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
echo "PASS"
