#!/usr/bin/env bash
# Package check: builds the Debian package from the build tree with CPack, unpacks it into a
# scratch root with dpkg -x and checks that every file is where a freedesktop desktop looks for
# it, that the menu entry and the AppStream metadata validate, and that the package depends on
# the Qt 6 libraries the two programs are linked with.
# Usage: check_package.sh CPACK-CONFIG APP-ID
set -euo pipefail

config=$1
id=$2

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

# The AppStream metadata: valid without the network, launching the menu entry above.
metainfo=$usr/share/metainfo/$id.metainfo.xml
if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 \
        || { cat "$work/appstream.log"; fail "appstreamcli validate --no-net $id.metainfo.xml"; }
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "the metadata does not launch $id.desktop"
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

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "OK: $(basename "$deb")"
