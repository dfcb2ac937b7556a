#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Builds Qt for 64-bit Windows from Debian's own source of qt6-base, the same version as the
# host tools (moc, rcc, uic, lrelease) the Linux build uses, with mingw-w64, and GoogleTest from
# Debian's /usr/src/googletest beside it, and keeps both in a cache outside the clone:
#   ${XDG_CACHE_HOME:-$HOME/.cache}/kq-pregnancy-calendar/qt-VERSION-mingw-KEY
# KEY is made of Qt's version, the configure options below, the toolchain file and the patches
# in scripts/windows/qt-patches, so a second run with nothing changed does nothing, and a change
# builds a fresh copy beside the old one. Only a finished build counts: an interrupted one is
# begun again. Only what the programs and their tests use is built: Core, Gui, Widgets, Test,
# the "windows" and "offscreen" platforms and the "windowsvista" style.
# Prints the prefix as its last line.
# Usage: scripts/windows/build-qt.sh [--print-prefix]   (--print-prefix: build nothing, only
#        print where the cache for this version and these options is)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo "$@"
    else echo "Please run as root: $*" >&2; return 1
    fi
}

# Debian's tarball has no src/3rdparty/wintab, so tablet events go; direct2d stays, because the
# platform plugin's font database needs it in Qt 6.4.
options=(
    -release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake tests -nomake examples -no-pch
    -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz -qt-doubleconversion
    -no-icu -no-libjpeg -no-gif -no-dbus -no-opengl -no-openssl
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent
    -no-feature-xml -no-feature-tabletevent
)

# The host's Qt decides the version: the Windows Qt must match its moc, rcc and lrelease.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
upstream=${version%%+*}
upstream=${upstream#*:}
shopt -s nullglob
patches=("$here"/qt-patches/*.patch)
key=$({ echo "$version $gtest_version ${options[*]}"; cat "$toolchain" "${patches[@]}"; } \
      | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kq-pregnancy-calendar
prefix=$cache/qt-$upstream-mingw-$key
if [[ ${1:-} == --print-prefix ]]; then echo "$prefix"; exit 0; fi

started=$SECONDS
work=$cache/qt-build-$key
if [[ ! -f $prefix/.complete ]]; then
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    # Debian's source package, from the deb-src entry of the archive the machine already uses;
    # the entry is added when it is missing.
    if ! (cd "$work" && apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1); then
        echo "Adding a deb-src entry for the archive in use"
        if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
                | as_root tee /etc/apt/sources.list.d/kq-deb-src.sources >/dev/null
        else
            grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
                | as_root tee /etc/apt/sources.list.d/kq-deb-src.list >/dev/null
        fi
        as_root apt-get update -qq
    fi
    (cd "$work" && apt-get source -qq "qt6-base=$version")
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    for patch in "${patches[@]}"; do
        echo "Applying $(basename "$patch")"
        patch -d "$src" -p1 --forward --quiet < "$patch"
    done
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$prefix" "${options[@]}" \
        -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$prefix/.complete"
    echo "Built Qt $upstream for Windows in $((SECONDS - started)) s"
fi

# GoogleTest for the tests, into the same prefix, where the toolchain finds it.
if [[ ! -f $prefix/.googletest-complete ]]; then
    gtest_started=$SECONDS
    rm -rf "$work-googletest"
    cmake -S /usr/src/googletest -B "$work-googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF >/dev/null
    cmake --build "$work-googletest" --parallel "$(nproc)"
    cmake --install "$work-googletest" >/dev/null
    rm -rf "$work-googletest"
    touch "$prefix/.googletest-complete"
    echo "Built GoogleTest for Windows in $((SECONDS - gtest_started)) s"
fi
echo "Qt $upstream and GoogleTest for Windows are ready in"
echo "$prefix"
