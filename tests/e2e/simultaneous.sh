#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# End-to-end: two copies started at the same instant. Exactly one of them opens its main
# window; the other says "Application is already running" and, once answered, ends with
# status 0.
# Usage: simultaneous.sh PATH-TO-kq-pregnancy-calendar
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"

# Both copies wait at the same gate (a file this script holds locked) and are let through
# together when it lets go.
command -v flock >/dev/null || { echo "SKIP: flock is not installed"; exit 77; }
exec 4>"$work/gate"
flock -x 4
for n in 0 1; do
    (exec 4>&-; flock -s "$work/gate" true; exec "$program") >"$work/app-$n.log" 2>&1 &
    started+=("$!")
done
exec 4>&-
a=${started[0]} b=${started[1]}

box=$(wait_window "$box_title") || fail "neither copy said that the other is running"
loser=$(xdo getwindowpid "$box")
case "$loser" in
"$a") winner=$b ;;
"$b") winner=$a ;;
*) fail "the message box belongs to neither copy ($loser)" ;;
esac
main=$(wait_window "$full_title") || fail "no main window appeared"
[[ $(xdo getwindowpid "$main") == "$winner" ]] || fail "the main window is not the winner's"

xdo windowfocus --sync "$box"
xdo key Return
wait_exit "$loser" || fail "the second copy did not end after its message was answered"
[[ $status -eq 0 ]] || fail "exit status $status"
gone "$winner" && fail "the running copy ended"
[[ $(windows_titled "$full_title") == "$main" ]] || fail "not exactly one main window"
[[ $(lock_holder) == "$winner" ]] || fail "the running copy does not hold the lock"
echo "PASS"
