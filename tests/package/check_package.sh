#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Package check: builds the Debian package from the build tree with CPack, unpacks it into a
# scratch root with dpkg -x and checks that every file is where a freedesktop desktop looks for
# it, that the menu entry and the AppStream metadata validate and carry their texts in every
# language of the program, that the package depends on the Qt 6 libraries the two programs are
# linked with and recommends a CJK font, that it carries Debian's copyright file, changelog,
# manual pages and the bash completion, and that lintian finds nothing above "info" (an override
# in packaging/lintian-overrides needs its reason on the line above it).
# Usage: check_package.sh CPACK-CONFIG APP-ID [LINTIAN-OVERRIDES]
set -euo pipefail

config=$1
id=$2
overrides=${3:-}

if ! command -v dpkg-deb >/dev/null; then
    echo "SKIP: not a Debian system (no dpkg-deb)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The package, built into the scratch folder (the build tree's own packaging folder is left alone).
if ! cpack -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
debs=("$work"/out/*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "FAIL: expected one .deb, found: ${debs[*]}"
    exit 1
fi
deb=${debs[0]}
root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr

# The two programs.
for program in kq-pregnancy-calendar kq-predict; do
    [[ -f $usr/bin/$program && -x $usr/bin/$program ]] || fail "usr/bin/$program missing or not executable"
done

# The menu entry: valid, named by the id, starting a program the package installs, with an icon
# the package installs.
desktop=$usr/share/applications/$id.desktop
if [[ -f $desktop ]]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate $id.desktop"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n1)
    [[ -x $usr/bin/${exec_line%% *} ]] || fail "Exec=$exec_line names no installed program"
    grep -qx "Icon=$id" "$desktop" || fail "the menu entry's Icon is not $id"
else
    fail "usr/share/applications/$id.desktop missing"
fi

# The menu entry in every language besides English: each of its texts, the desktop action's name
# included, has its translation (the program's name stays as it is, and is given all the same).
languages=(es zh_CN zh_TW)
# The value of KEY in GROUP of the menu entry, or nothing.
entry_value() {
    awk -v group="[$2]" -v key="$3" '
        /^\[/ { inside = ($0 == group); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}
if [[ -f $desktop ]]; then
    for language in "${languages[@]}"; do
        for key in Name GenericName Comment Keywords; do
            [[ -n $(entry_value "$desktop" "Desktop Entry" "$key[$language]") ]] \
                || fail "the menu entry has no $key[$language]"
        done
        [[ -n $(entry_value "$desktop" "Desktop Action extended-calendar" "Name[$language]") ]] \
            || fail "the menu entry's action has no Name[$language]"
    done
    [[ $(entry_value "$desktop" "Desktop Entry" "Name[zh_CN]") \
        == "$(entry_value "$desktop" "Desktop Entry" Name)" ]] \
        || fail "the program's name is translated in the menu entry"
fi

# The AppStream metadata: valid without the network, launching the menu entry above.
metainfo=$usr/share/metainfo/$id.metainfo.xml
if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
        || { cat "$work/appstream.log"; fail "appstreamcli validate --no-net $id.metainfo.xml"; }
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "the metadata does not launch $id.desktop"
    # The summary and every paragraph of the description in every language besides English.
    english_paragraphs=$(grep -c '<p>' "$metainfo" || true)
    for language in "${languages[@]}"; do
        grep -q "<summary xml:lang=\"$language\">[^<]" "$metainfo" \
            || fail "the metadata has no summary in $language"
        [[ $(grep -c "<p xml:lang=\"$language\">" "$metainfo" || true) == "$english_paragraphs" ]] \
            || fail "the metadata's description lacks paragraphs in $language"
    done
else
    fail "usr/share/metainfo/$id.metainfo.xml missing"
fi

# The icon in the hicolor theme: scalable, and a PNG of exactly its folder's size for each size.
icons=$usr/share/icons/hicolor
grep -q "<svg" "$icons/scalable/apps/$id.svg" 2>/dev/null || fail "scalable icon $id.svg missing"
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$id.png
    if [[ ! -f $png ]]; then
        fail "${size}x${size} icon missing"
    elif ! file "$png" | grep -q "PNG image data, $size x $size,"; then
        fail "${size}x${size}/apps/$id.png is not a $size x $size PNG: $(file -b "$png")"
    fi
done

# Nothing outside /usr (a package that writes to /usr/local or /opt would be a packaging fault).
extra=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $extra ]] || fail "files outside /usr: $extra"

# Depends: every Qt 6 library the two programs are linked with (their own NEEDED entries) comes
# from a package that the package depends on.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
qt_packages=$(for program in kq-pregnancy-calendar kq-predict; do
        readelf -d "$usr/bin/$program" | sed -n 's/.*(NEEDED).*\[\(libQt6[^]]*\)\]/\1/p'
    done | sort -u | while read -r library; do
        dpkg-query -S "*/$library"
    done | cut -d: -f1 | sort -u)
[[ -n $qt_packages ]] || fail "no Qt 6 library found in the programs' dependencies"
for package in $qt_packages; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] \
        || fail "Depends lacks $package"
done
[[ $depends == *fonts-dejavu-core* ]] || fail "Depends lacks fonts-dejavu-core (the font fallback)"
[[ $depends != *-dev* ]] || fail "Depends names a development package"
# The Chinese of the menu entry and the metadata needs a CJK font.
[[ $(dpkg-deb -f "$deb" Recommends) == *fonts-noto-cjk* ]] || fail "Recommends lacks fonts-noto-cjk"
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] \
    || fail "Recommends lacks qt6-translations-l10n (Qt's own texts in the user's language)"

# Debian's documentation: the copyright in its machine-readable format, with a licence text for
# every licence a Files paragraph names; the changelog and the manual pages compressed with
# gzip -9n (no time stamp); the completion where bash-completion loads it on demand.
doc=$usr/share/doc/kq-pregnancy-calendar
copyright=$doc/copyright
if [[ -f $copyright ]]; then
    head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || fail "the copyright file is not in Debian's machine-readable format"
    texts=$(awk 'BEGIN { RS = ""; FS = "\n" }
        $1 ~ /^License:/ && NF > 1 { sub(/^License: */, "", $1); print $1 }' "$copyright")
    named=$(awk 'BEGIN { RS = ""; FS = "\n" } $1 ~ /^Files:/ {
        for (i = 2; i <= NF; i++) if ($i ~ /^License:/) { sub(/^License: */, "", $i); print $i } }' \
        "$copyright" | sort -u)
    [[ -n $named ]] || fail "the copyright file has no Files paragraph with a License"
    for licence in $named; do
        grep -qxF "$licence" <<<"$texts" || fail "the copyright file names $licence but gives no text for it"
    done
else
    fail "usr/share/doc/kq-pregnancy-calendar/copyright missing"
fi
gzipped=("$doc/changelog.gz" "$usr/share/man/man1/kq-predict.1.gz"
         "$usr/share/man/man1/kq-pregnancy-calendar.1.gz")
for file in "${gzipped[@]}"; do
    if [[ ! -f $file ]]; then
        fail "${file#"$root"/} missing"
    elif ! file "$file" | grep -q 'gzip compressed data, max compression'; then
        fail "${file#"$root"/} is not compressed with gzip -9: $(file -b "$file")"
    elif [[ $(od -An -tu4 -j4 -N4 "$file" | tr -d ' ') != 0 ]]; then
        fail "${file#"$root"/} carries a time stamp (gzip -n)"
    fi
done
zcat "$doc/changelog.gz" 2>/dev/null | head -n1 \
    | grep -q "^kq-pregnancy-calendar ($(dpkg-deb -f "$deb" Version)) " \
    || fail "the changelog's newest entry is not the package's version"
# AppStream's newest release is the changelog's newest entry, with its date.
# The entry's own day ("Tue, 08 Dec 2026 ..."), whatever its time zone.
newest_day=$(zcat "$doc/changelog.gz" 2>/dev/null | sed -n 's/^ -- .*>  //p' | head -n1 | cut -d' ' -f2-4)
release="<release version=\"$(dpkg-deb -f "$deb" Version)\" date=\"$(date -d "$newest_day" +%F 2>/dev/null)\">"
grep -m1 '<release ' "$metainfo" 2>/dev/null | grep -qF "$release" \
    || fail "the AppStream metadata's newest release is not $release"
[[ -f $usr/share/bash-completion/completions/kq-predict ]] \
    || fail "usr/share/bash-completion/completions/kq-predict missing"

# lintian: nothing above "info". Overrides are installed where lintian reads them; each needs
# its reason, a comment on the line above it.
if [[ -n $overrides && -f $overrides ]]; then
    unexplained=$(awk '!/^#/ && !/^[[:space:]]*$/ && previous !~ /^#/ { print } { previous = $0 }' \
        "$overrides")
    [[ -z $unexplained ]] || fail "lintian overrides without a reason on the line above:"$'\n'"$unexplained"
fi
if command -v lintian >/dev/null; then
    if ! lintian --fail-on error,warning --display-info --no-tag-display-limit "$deb" \
        >"$work/lintian.log" 2>&1; then
        fail "lintian found errors or warnings"
    fi
    grep -v 'running with root privileges' "$work/lintian.log" || true
else
    fail "lintian is not installed"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "OK: $(basename "$deb")"
