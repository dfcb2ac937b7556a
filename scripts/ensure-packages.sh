#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build and the tests need, but only those that are missing.
# As root it runs apt-get itself; otherwise it uses sudo when that works without a password,
# and else prints the exact apt-get line to run and fails.
# Usage: scripts/ensure-packages.sh [windows]   (windows: also what the Windows build needs:
#        mingw-w64, Wine, NSIS, and dpkg-dev for Qt's source package)
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev googletest libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-noto-cjk
    xvfb xauth xdotool x11-utils libxdamage-dev
    dbus-daemon at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0 gir1.2-glib-2.0
    desktop-file-utils appstream dpkg-dev file
    lintian reuse man-db groff-base bash-completion
    clang-tidy
    python3-lunardate python3-gi gir1.2-lunardate-3.0
    clang libfuzzer-14-dev
)
if [[ ${1:-} == windows ]]; then
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 nsis dpkg-dev python3
    )
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "Please run as root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
