#!/usr/bin/env bash
# End-to-end smoke test: starts the real program on a private X server, waits for the main
# window by its title, leaves through File > Exit as a user would, and checks that the program
# ends by itself with status 0.
# Usage: smoke.sh PATH-TO-kq-pregnancy-calendar
set -euo pipefail

program=$1
title='^KQ Rurevir Ivideruzi Zuduzire v1\.95$'

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server on a display number it picks itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    timeout 0.1 tail --pid="$xvfb_pid" -f /dev/null || true
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# A fresh user: no settings (so no update question) and no other running copy.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name "$title" | head -n1) || {
    echo "the main window did not appear"
    cat "$work/app.log"
    exit 1
}
echo "main window: $window"

# File > Exit (Alt+F, then x). Keys go to the focused window: Qt ignores synthetic events.
xdotool windowfocus --sync "$window"
xdotool key --delay 150 alt+f x

if ! timeout 30 tail --pid="$app_pid" -f /dev/null; then
    echo "the program did not end after File > Exit"
    exit 1
fi
status=0
wait "$app_pid" || status=$?
app_pid=
echo "program ended with status $status"
cat "$work/app.log"
[[ $status -eq 0 ]]
