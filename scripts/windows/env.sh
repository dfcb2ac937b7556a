# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Sourced by the scripts of scripts/windows: where the Windows build, its Qt and the MinGW
# runtime are, and how Wine runs what was built (a private Wine prefix per build folder, no
# Mono or Gecko to install, quiet, and the libraries found through WINEPATH).
# Needs: root (the clone), build (the build folder), qt (Qt's prefix for Windows).
mingw_runtime_dirs=(
    "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
    /usr/x86_64-w64-mingw32/lib
)

# A Unix path as Wine's Z: drive sees it.
wine_path() { printf 'Z:%s' "${1//\//\\}"; }

kq_wine_environment() {
    export WINEPREFIX=$build/wine
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
    local dirs=("$qt/bin" "${mingw_runtime_dirs[@]}") path="" dir
    for dir in "${dirs[@]}"; do path+="${path:+;}$(wine_path "$dir")"; done
    export WINEPATH=$path
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        echo "Making a Wine prefix in $WINEPREFIX"
        wineboot --init >/dev/null 2>&1 </dev/null || true
        wineserver --wait || true
    fi
    # One Wine server, with Wine's own services, for every program run from here on. Started
    # apart, so that no service holds the output of a test (or of a pipe) open once it ends.
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
