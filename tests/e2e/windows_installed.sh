#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# End-to-end on Windows, as a user meets the program: in a fresh Wine prefix on a private X
# server, the installer runs silently; the installed program is on the Start menu and in
# "Apps & features". A date kept 30 days ago brings the update question at start-up; after "No"
# the registry holds today's date where the Windows runtime keeps the program's settings. The
# program predicts from the main window ("&Get My Baby's Gender"), shows the result window,
# closes into the support window and ends with "E&xit"; a second copy started while one runs
# says "Application is already running". The silent uninstall then leaves nothing behind but
# that one setting.
# Usage: windows_installed.sh PATH-TO-SETUP.EXE
set -euo pipefail
setup=$(realpath "$1")
for tool in wine wineserver; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
program=/bin/false # lib.sh's own copies are not used: the program runs through Wine below
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../scripts/windows/env.sh" # wine_path
unset QT_QPA_PLATFORM # Qt for Windows takes its own platform
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8 # English windows; reg.exe's output as UTF-8
cleanup_wine() { wineserver -k 2>/dev/null || true; cleanup; }
trap cleanup_wine EXIT

folder='C:\Program Files\KQ Rurevir Ivideruzi Zuduzire'
unix_folder="$WINEPREFIX/drive_c/Program Files/KQ Rurevir Ivideruzi Zuduzire"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\kq-pregnancy-calendar'
settings_key='HKCU\Software\VB and VBA Program Settings\kq-pregnancy-calendar\Settings'
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KQ Rurevir Ivideruzi Zuduzire.lnk"

# The settings codec's form of a text: each code moved up by 85, read in the ANSI code page.
encode() { python3 -c 'import sys; print(bytes(ord(c) + 85 for c in sys.argv[1]).decode("cp1252"))' "$1"; }
duration=$(encode Duration)
# The value as the registry holds it, read from regedit's export (UTF-16, where reg.exe's
# output would pass through the console's code page).
reg_value() {
    rm -f "$work/settings.reg"
    wine regedit /E "$(wine_path "$work/settings.reg")" \
        "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\kq-pregnancy-calendar\\Settings" \
        >/dev/null 2>&1 || true
    [[ -f $work/settings.reg ]] || return 0
    python3 - "$work/settings.reg" "$duration" <<'PY'
import sys
for line in open(sys.argv[1], encoding="utf-16"):
    prefix = '"%s"="' % sys.argv[2]
    if line.startswith(prefix):
        print(line.strip()[len(prefix):-1])
PY
}

wineboot --init >/dev/null 2>&1 || true
wineserver -w

echo "--- silent install"
timeout 120 wine "$setup" /S || fail "the installer failed"
wineserver -w
[[ -f $unix_folder/kq-pregnancy-calendar.exe && -f $unix_folder/kq-predict.exe ]] \
    || fail "the programs are not in $unix_folder"
[[ -f $unix_folder/plugins/platforms/qwindows.dll ]] || fail "no Windows platform plugin"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r') || fail "not in Apps & features"
echo "$entry"
for field in "DisplayName +REG_SZ +KQ Rurevir Ivideruzi Zuduzire$" \
    "Publisher +REG_SZ +Corvane Softwares$" "DisplayVersion +REG_SZ +1\.95$" \
    "DisplayIcon +REG_SZ +.*kq-pregnancy-calendar\.exe,0$" "EstimatedSize +REG_DWORD +0x"; do
    grep -Eq "^ +$field" <<<"$entry" || fail "the uninstall entry lacks $field"
done

echo "--- kq-predict.exe answers"
answer=$(wine "$folder\\kq-predict.exe" --birth 1980-06-15 --conception 2008-02-21 --json \
         | tr -d '\r')
[[ $answer == *'"gender":"Girl"'* && $answer == *'"motherChineseAge":29'* ]] \
    || fail "kq-predict.exe answered: $answer"

echo "--- the update question, 30 days after the date kept"
wine reg add "$settings_key" /v "$duration" /t REG_SZ \
    /d "$(encode "$(date -d '30 days ago' +%F)")" /f >/dev/null || fail "reg add failed"
wine "$folder\\kq-pregnancy-calendar.exe" >"$work/app-0.log" 2>&1 &
app=$!
started+=("$app")
question=$(wait_window "$box_title") || fail "no update question at start-up"
keys "$question" alt+n
main=$(wait_window "$full_title") || fail "the main window did not appear"
stored=$(reg_value)
[[ $stored == "$(encode "$(date +%F)")" ]] \
    || fail "the registry holds '$stored', not today's date after the question"
echo "the registry holds today's date, encoded: $stored"

echo "--- a second copy"
wine "$folder\\kq-pregnancy-calendar.exe" >"$work/app-1.log" 2>&1 &
second=$!
started+=("$second")
message=$(wait_window "$box_title") || fail "the second copy showed no message"
[[ $(windows_titled "$full_title") == "$main" ]] || fail "the second copy opened a window"
keys "$message" Return
wait_exit "$second" 30 || fail "the second copy did not end"
[[ $(windows_titled "$full_title") == "$main" ]] || fail "the first copy's window changed"

echo "--- a prediction: born in 1980, conceived on 1 January 2010"
keys "$main" Tab Tab 1 9 8 0 Tab Tab Tab 2 0 1 0 alt+g
result=$(wait_window "$full_title" "" "$main") || fail "no result window"
echo "result window: $result"

echo "--- File > Exit, the support window, its Exit"
keys "$result" alt+f x
support=$(wait_window "$full_title" "" "$result") || fail "the support window did not appear"
# Shown without activation: the user clicks it first (its top left corner, where no control
# lies), which makes it the active window.
xdo mousemove --window "$support" 3 3 click 1
keys "$support" alt+x
wait_exit "$app" 30 || fail "the program did not end after the support window's Exit"
[[ $status -eq 0 ]] || fail "the program ended with status $status"

echo "--- silent uninstall"
timeout 120 wine "$folder\\uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[[ ! -e $unix_folder ]] || fail "left behind: $(find "$unix_folder")"
[[ ! -e $shortcut ]] || fail "the Start-menu shortcut was left behind"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry was left behind"
[[ -n $(reg_value) ]] || fail "the user's setting went with the program"
echo "PASS"
