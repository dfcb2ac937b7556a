#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Takes the README's screenshots: runs the program on a private X server (Xvfb), drives it
# with xdotool as a user would, and saves each window with ImageMagick's import.
# Usage: docs/screenshots/take-screenshots.sh PATH-TO-kq-pregnancy-calendar [LANGUAGE [FOLDER]]
# Without a LANGUAGE (or with "en") it takes every English picture; with zh_CN, zh_TW or es the
# main and the result windows in that language (main-window-zh_CN.png, ...). The pictures go
# into FOLDER, by default this script's folder.
set -euo pipefail

program=$(realpath "$1")
language=${2:-en}
out=$(realpath "${3:-$(dirname "$0")}")
title='^KQ Rurevir Ivideruzi Zuduzire v1\.95$'

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
# -noreset: a server that resets when its last client (an xdotool call) leaves turns away a
# program that connects at that moment.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix -noreset >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
until [[ -s "$work/display" ]]; do timeout 0.1 tail --pid="$xvfb_pid" -f /dev/null || true; done
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb
unset LANGUAGE LC_ALL LC_MESSAGES
if [[ "$language" == en ]]; then
    export LANG=C.UTF-8
else
    export LANG="$language.UTF-8"
fi

# The visible window with the program's title other than the one given.
window_other_than() {
    local old=$1 id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
            [[ "$id" != "$old" ]] && { echo "$id"; return; }
        done
        timeout 0.1 tail --pid="$app_pid" -f /dev/null || true
    done
    echo "no new window" >&2
    return 1
}
# Lets the program draw after an action (a short wait for the X server to catch up).
settle() { timeout 0.5 tail --pid="$app_pid" -f /dev/null || true; }
keys() { xdotool windowfocus --sync "$1"; shift; xdotool key --delay 120 "$@"; }
text() { xdotool windowfocus --sync "$1"; xdotool type --delay 60 "$2"; }

# Another language: the main window, a girl and a boy, with the access keys of that language.
if [[ "$language" != en ]]; then
    case "$language" in
        es) gender=alt+p back=alt+v ;;
        *) gender=alt+g back=alt+b ;;
    esac
    # A month by its place in the list, whatever its name.
    month() { keys "$1" Home; for _ in $(seq 2 "$2"); do keys "$1" Down; done; }
    "$program" &
    app_pid=$!
    main=$(window_other_than none)
    settle
    import -window "$main" "$out/main-window-$language.png"
    # Born 3 June 1980, conceived 15 March 2009; Chinese windows list a date year first.
    if [[ "$language" == zh_* ]]; then
        text "$main" 1980; keys "$main" Tab; month "$main" 6; keys "$main" Tab; text "$main" 3
        keys "$main" Tab; text "$main" 2009; keys "$main" Tab; month "$main" 3; keys "$main" Tab
        text "$main" 15
    else
        text "$main" 3; keys "$main" Tab; month "$main" 6; keys "$main" Tab; text "$main" 1980
        keys "$main" Tab; text "$main" 15; keys "$main" Tab; month "$main" 3; keys "$main" Tab
        text "$main" 2009
    fi
    keys "$main" $gender
    display=$(window_other_than "$main")
    settle
    import -window "$display" "$out/result-window-girl-$language.png"
    keys "$display" $back
    main=$(window_other_than "$display")
    keys "$main" $gender
    display=$(window_other_than "$main")
    settle
    import -window "$display" "$out/result-window-boy-$language.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "screenshots in $out"
    exit 0
fi

"$program" &
app_pid=$!

main=$(window_other_than none)
settle
import -window "$main" "$out/main-window.png"

# A girl: born 3 June 1980, conceived 15 March 2009.
text "$main" 3; keys "$main" Tab; text "$main" Jun; keys "$main" Tab; text "$main" 1980
keys "$main" Tab; text "$main" 15; keys "$main" Tab; text "$main" Mar; keys "$main" Tab
text "$main" 2009
settle
import -window "$main" "$out/main-window-dates.png"
keys "$main" alt+g
display=$(window_other_than "$main")
settle
import -window "$display" "$out/result-window-girl.png"

keys "$display" alt+h a
about=$(window_other_than "$display")
settle
import -window "$about" "$out/about-box.png"
keys "$about" Escape

# Back, then the lists as they open: a boy.
keys "$display" alt+b
main=$(window_other_than "$display")
keys "$main" alt+g
display=$(window_other_than "$main")
settle
import -window "$display" "$out/result-window-boy.png"

# File > Exit: the support window takes over; its "E&xit" ends the program.
keys "$display" alt+f x
support=$(window_other_than "$display")
settle
import -window "$support" "$out/support-window.png"
keys "$support" alt+x
timeout 10 tail --pid="$app_pid" -f /dev/null

# With the years 1901 to 2099: the lists open on today's date.
"$program" --extended-calendar &
app_pid=$!
main=$(window_other_than none)
settle
import -window "$main" "$out/main-window-extended.png"
keys "$main" alt+f x
support=$(window_other_than "$main")
keys "$support" alt+x
timeout 10 tail --pid="$app_pid" -f /dev/null
app_pid=
echo "screenshots in $out"
