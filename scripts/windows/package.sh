#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Makes the Windows installer and the portable .zip from a Windows build:
#   BUILD/dist/kq-pregnancy-calendar-VERSION-setup.exe
#   BUILD/dist/kq-pregnancy-calendar-VERSION-windows-x64.zip
# The two programs are installed into BUILD/stage with the libraries they need: every DLL that
# the programs, the plugins and those DLLs import (read with objdump), taken from Qt's and
# MinGW's folders; system DLLs are Windows' own. Qt loads two plugins by name at run time, so
# they are named here: the Windows platform and the Windows style. Qt's own catalogue for each
# language the program speaks comes from Debian's qt6-translations-l10n.
# Usage: scripts/windows/package.sh BUILD QT_PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
qt=$2
source "$here/env.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage=$build/stage
dist=$build/dist
rm -rf "$stage" "$dist"
mkdir -p "$dist"
cmake --install "$build" --prefix "$stage" --strip >/dev/null

mkdir -p "$stage/plugins/platforms" "$stage/plugins/styles"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/plugins/styles/"
# Qt finds its plugins and catalogues beside the programs.
printf '[Paths]\nPrefix=.\n' > "$stage/qt.conf"

# Every library imported, directly or through another library, that Qt or MinGW provides.
search=("$qt/bin" "${mingw_runtime_dirs[@]}")
find_library() {
    local dir found
    for dir in "${search[@]}"; do
        found=$(find "$dir" -maxdepth 1 -iname "$1" -print -quit)
        [[ -n $found ]] && { echo "$found"; return 0; }
    done
    return 1
}
queue=()
while IFS= read -r -d '' f; do queue+=("$f"); done \
    < <(find "$stage" \( -name '*.exe' -o -name '*.dll' \) -print0)
while ((${#queue[@]})); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [[ -e $stage/$dll ]] && continue
        if source_dll=$(find_library "$dll"); then
            cp "$source_dll" "$stage/$dll"
            x86_64-w64-mingw32-strip --strip-unneeded "$stage/$dll"
            queue+=("$stage/$dll")
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done

mkdir -p "$stage/translations"
for ts in "$root"/translations/kq_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#kq_}
    qm=/usr/share/qt6/translations/qtbase_$language.qm
    [[ -f $qm ]] && cp "$qm" "$stage/translations/"
done

# The installer's file list, and the uninstaller's: exactly the files of the stage.
files=$build/installer-files.nsh
unfiles=$build/installer-unfiles.nsh
: > "$files"
: > "$unfiles"
(cd "$stage" && find . -type d | sort) | while read -r dir; do
    rel=${dir#./}
    [[ $dir == . ]] && rel=""
    win=${rel//\//\\}
    echo "SetOutPath \"\$INSTDIR${win:+\\$win}\"" >> "$files"
    find "$stage/$rel" -maxdepth 1 -type f | sort | while read -r f; do
        echo "File \"$f\"" >> "$files"
        echo "Delete \"\$INSTDIR${win:+\\$win}\\$(basename "$f")\"" >> "$unfiles"
    done
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    rel=${dir#./}
    echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >> "$unfiles"
done

setup=$dist/kq-pregnancy-calendar-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DSTAGE=$stage" "-DFILES=$files" "-DUNFILES=$unfiles" \
    "-DICON=$build/src/app/kq-pregnancy-calendar.ico" "-DOUTFILE=$setup" \
    "$root/packaging/windows/installer.nsi"

portable=$dist/kq-pregnancy-calendar-$version-windows-x64.zip
folder=kq-pregnancy-calendar-$version
rm -rf "${build:?}/$folder"
cp -r "$stage" "$build/$folder"
(cd "$build" && python3 -m zipfile -c "$portable" "$folder")
rm -rf "${build:?}/$folder"
echo "Installer: $setup ($(du -k "$setup" | cut -f1) KiB)"
echo "Portable:  $portable ($(du -k "$portable" | cut -f1) KiB)"
