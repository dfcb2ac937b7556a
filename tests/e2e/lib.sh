# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests (sourced, not run): a private X server, a fresh user (home,
# settings and runtime folder in a temporary folder, so no two tests share a lock or settings),
# copies of the program started and watched, and bounded waits for windows and for the end of a
# process. Needs: program=PATH-TO-kq-pregnancy-calendar set before sourcing.

full_title='^KQ Rurevir Ivideruzi Zuduzire v1\.95$' # every window of the program
box_title='^KQ Rurevir Ivideruzi Zuduzire$'         # the program's message boxes

# A missing tool skips the test on a developer's machine; in CI (CI=true) it is a failure, so
# that the end-to-end tests can never pass there by not running.
for tool in Xvfb xdotool xprop; do
    if ! command -v "$tool" >/dev/null; then
        if [[ "${CI:-}" == true ]]; then
            echo "FAIL: $tool is not installed (required in CI)"
            exit 1
        fi
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
started=() # every copy of the program this test started
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Whether process $1 has ended (a child that has ended stays a zombie until it is waited for).
gone() { [[ ! -e /proc/$1 ]] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

fail() {
    echo "FAIL: $*"
    if [[ -n "$xvfb_pid" ]] && gone "$xvfb_pid"; then
        echo "(the X server has gone)"
    fi
    local log
    [[ -s "$work/xvfb.log" ]] && { echo "--- X server"; cat "$work/xvfb.log"; }
    for log in "$work"/app-*.log; do
        [[ -s "$log" ]] && { echo "--- $log"; cat "$log"; }
    done
    exit 1
}

# Runs the command (quietly) every 0.05 s until it succeeds, for at most $1 seconds.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# A private X server on a display number it picks itself, and a fresh user.
# -noreset: by default the server resets when its last client leaves (each xdotool call is a
# client), and a program connecting during the reset is turned away ("could not connect to
# display"), a few times in a hundred on a busy machine.
# -nolisten unix: only the abstract socket. With -displayfd the server writes no lock file, so
# another X server started on this machine with a fixed or guessed number could remove a socket
# file in /tmp/.X11-unix and take the display over in the middle of a test.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix -noreset \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
wait_until 20 test -s "$work/display" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
# The checks read the English windows, whatever the language of the desktop running them.
export LANGUAGE=en
lock="$XDG_RUNTIME_DIR/$(basename "$program").lock"

# xdotool with a bound: a call never hangs a test.
xdo() { timeout 10 xdotool "$@"; }

# Starts a copy of the program with the arguments given; its process id is left in $app.
start_copy() {
    "$program" "$@" >"$work/app-${#started[@]}.log" 2>&1 &
    app=$!
    started+=("$app")
}

# The visible windows whose title matches $1 (of process $2, if given), one id a line.
windows_titled() {
    if [[ -n "${2:-}" ]]; then
        xdo search --all --onlyvisible --pid "$2" --name "$1" 2>/dev/null || true
    else
        xdo search --onlyvisible --name "$1" 2>/dev/null || true
    fi
}

# Waits (at most 20 s) until exactly one visible window matches $1 [of process $2] and prints
# its id; $3, if given, is a window id that does not count (a window that is going away).
wait_window() {
    local title=$1 pid=${2:-} not=${3:-} ids deadline=$((SECONDS + 20))
    while :; do
        ids=$(windows_titled "$title" "$pid" | grep -vx -- "${not:-none}" || true)
        if [[ -n "$ids" && $(wc -l <<<"$ids") -eq 1 ]]; then
            echo "$ids"
            return 0
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Waits (at most $2 s, default 20) for process $1 to end; leaves its exit status in $status.
wait_exit() {
    local pid=$1 seconds=${2:-20}
    wait_until "$seconds" gone "$pid" || return 1
    status=0
    wait "$pid" 2>/dev/null || status=$?
    local i
    for i in "${!started[@]}"; do [[ "${started[$i]}" == "$pid" ]] && unset 'started[i]'; done
    return 0
}

# Sends keys to a window as a user would: the window gets the focus first (Qt ignores keys
# sent to a window that does not have it).
keys() {
    local window=$1
    shift
    xdo windowfocus --sync "$window"
    xdo key --delay 100 "$@"
}

# The process id written in the lock file (its first line), or nothing.
lock_holder() { [[ -f "$lock" ]] && head -n1 "$lock" || true; }
