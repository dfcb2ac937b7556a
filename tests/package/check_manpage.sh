#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Manual page check: the page lists exactly the options that the program's --help lists (each
# with the same value name, or none), has the sections a user looks for, names the program's
# version, and renders with man --warnings without a single warning.
# Usage: check_manpage.sh PROGRAM PAGE
set -euo pipefail

program=$1
page=$2
name=$(basename "$program")

if ! command -v man >/dev/null; then
    echo "SKIP: man (man-db) is not installed"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The options of --help, one "name value" line each ("--birth date", "-h -"), asked where there
# is no display: the help must not need one. In the C locale: the options are read from the
# English help, whatever the language of the user who runs the check.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE= LC_ALL=C "$program" --help)
help_options=$(sed -n 's/^  \(-[^ ].*\)$/\1/p' <<<"$help" | sed 's/  .*//' | while read -r entry; do
        value=-
        if [[ $entry =~ \<([a-z-]+)\> ]]; then value=${BASH_REMATCH[1]}; fi
        for option in $(grep -oE -- '-{1,2}[a-zA-Z0-9][a-zA-Z0-9-]*' <<<"${entry%%<*}"); do
            echo "$option $value"
        done
    done | sort -u)
[[ -n $help_options ]] || fail "$name --help lists no options"

# The options of the page: the tag line after each .TP in OPTIONS; a word that is not an
# option names the value.
page_options=$(awk '
        /^\.SH/ { in_options = ($0 ~ /^\.SH "?OPTIONS"?$/); next }
        in_options && /^\.TP/ { getline; print }' "$page" \
    | sed 's/\\-/-/g; s/\\f[BIRP]//g; s/^\.[A-Z]*[[:space:]]*//; s/"//g; s/,//g' \
    | while read -r -a words; do
        value=-
        for word in "${words[@]}"; do
            if [[ $word != -* ]]; then value=$word; fi
        done
        for word in "${words[@]}"; do
            if [[ $word == -* ]]; then echo "$word $value"; fi
        done
    done | sort -u)

missing=$(comm -23 <(echo "$help_options") <(echo "$page_options"))
extra=$(comm -13 <(echo "$help_options") <(echo "$page_options"))
[[ -z $missing ]] || fail "in $name --help but not in the page's OPTIONS (option value):"$'\n'"$missing"
[[ -z $extra ]] || fail "in the page's OPTIONS but not in $name --help (option value):"$'\n'"$extra"

# The sections.
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT FILES EXAMPLES; do
    grep -Eq "^\.SH \"?$section\"?$" "$page" || fail "no section $section"
done

# The version in the page's header is the program's.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version | awk '{ print $NF }')
header=$(grep -m1 '^\.TH' "$page")
[[ $header == *" $version\""* ]] || fail "the page's header ($header) does not name version $version"

# Rendered as man would for a user, every warning of groff and man counts.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 MAN_KEEP_FORMATTING= man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "man --warnings:"$'\n'"$warnings"

if ((failures > 0)); then
    echo "$failures check(s) failed for $(basename "$page")"
    exit 1
fi
echo "OK: $(basename "$page") matches $name --help ($(wc -l <<<"$help_options") options)"
