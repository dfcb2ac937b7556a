#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# What a screen reader hears: the real program on a private X server, in a private D-Bus session
# with its own accessibility bus, read through AT-SPI as Orca reads it (atspi_check.py).
# Skipped when a tool is missing, except in CI (CI=true), where that fails.
# Usage: accessibility.sh PATH-TO-kq-pregnancy-calendar [--dump]
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

python=/usr/bin/python3 # the system's, which has the AT-SPI bindings
missing=()
for tool in Xvfb xdotool xprop dbus-run-session /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd "$python"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [[ -x "$python" ]] && ! "$python" -c 'import pyatspi' 2>/dev/null; then
    missing+=("python3-pyatspi")
fi
if ((${#missing[@]})); then
    [[ "${CI:-}" == true ]] && { echo "FAIL: missing ${missing[*]}"; exit 1; }
    echo "SKIP: missing ${missing[*]}"
    exit 77
fi

source "$here/lib.sh"
# Only the session's own buses: never the desktop's accessibility bus of whoever runs the test.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
timeout 240 dbus-run-session -- "$python" "$here/atspi_check.py" "$program" "$work" "${@:2}" \
    || fail "see above"
echo "PASS"
