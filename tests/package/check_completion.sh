#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Bash completion check: completes command lines of kq-predict as bash would on Tab, with the
# completion file loaded by bash-completion, and compares the candidates with what a user
# should be offered: every option of --help, and a YYYY-MM-DD hint where a date is wanted.
# Usage: check_completion.sh COMPLETION-FILE KQ-PREDICT
set -euo pipefail

completion=$(realpath "$1")
program=$2
framework=/usr/share/bash-completion/bash_completion

if [[ ! -r $framework ]]; then
    echo "SKIP: bash-completion is not installed"
    exit 77
fi

# The completion runs the program by the name typed, from the PATH.
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
ln -s "$(cd "$(dirname "$program")" && pwd)/$(basename "$program")" "$bin/kq-predict"

# The candidates for a command line ending where the cursor is, one per line, sorted; run in
# $here with the kq-predict of $bin. Anything the completion writes to standard error counts
# as a candidate, so that it shows as a failure.
here=$PWD
complete_line() {
    (cd "$here" && PATH="$bin:$PATH" bash --norc --noprofile -c '
        source "$1"
        source "$2"
        line=$3
        read -r -a COMP_WORDS <<<"$line"
        [[ $line == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE=$line
        COMP_POINT=${#line}
        # bash splits "--birth=" into "--birth" "=" ""; so does the test.
        if [[ ${COMP_WORDS[COMP_CWORD]} == *=* ]]; then
            word=${COMP_WORDS[COMP_CWORD]}
            unset "COMP_WORDS[COMP_CWORD]"
            COMP_WORDS+=("${word%%=*}" "=" "${word#*=}")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        fi
        _kq_predict kq-predict "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sed "/^$/d" | sort' \
        check "$framework" "$completion" "$1" 2>&1)
}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

today=$(date +%Y-%m-%d)
all_options=$(LANGUAGE= LC_ALL=C "$program" --help | grep -oE -- '^  (-[a-zA-Z], )?--[a-z0-9-]+' \
    | grep -oE -- '--[a-z0-9-]+' | sort -u)
# The lines a user types, and what Tab must offer ("" for nothing).
cases=(
    "kq-predict |$all_options"
    "kq-predict --|$all_options"
    "kq-predict --bi|--birth"
    "kq-predict --lu|--lunar-month"
    "kq-predict --l|--last-period"$'\n'"--lunar-month"
    "kq-predict --birth 1980-06-15 --due |$today"$'\n'"YYYY-MM-DD"
    "kq-predict --birth 1980-06-15 --conception 2008-02-21 --j|--json"
    "kq-predict --birth |$today"$'\n'"YYYY-MM-DD"
    "kq-predict --birth 1980-06-15 --conception |$today"$'\n'"YYYY-MM-DD"
    "kq-predict --batch --today |$today"$'\n'"YYYY-MM-DD"
    "kq-predict --lunar-month |$today"$'\n'"YYYY-MM-DD"
    "kq-predict --birth=|$today"$'\n'"YYYY-MM-DD"
    "kq-predict --birth 19|"
    "kq-predict --chart --json |$all_options"
)
for row in "${cases[@]}"; do
    line=${row%%|*}
    expected=$(sort <<<"${row#*|}" | sed '/^$/d')
    actual=$(complete_line "$line")
    if [[ $actual != "$expected" ]]; then
        fail "'$line<Tab>' offers:"$'\n'"${actual:-(nothing)}"$'\n'"instead of:"$'\n'"${expected:-(nothing)}"
    fi
done
[[ $all_options == *--chart* ]] || fail "kq-predict --help lists no options"

# Options that take other values: a program with the same kind of --help, run in a folder with two
# files. A file is completed as a file name; any other value is not completed with options.
fake=$(mktemp -d)
trap 'rm -rf "$bin" "$fake"' EXIT
mkdir "$fake/bin" "$fake/here"
touch "$fake/here/dates.txt" "$fake/here/more.csv"
cat >"$fake/bin/kq-predict" <<'FAKE'
#!/bin/sh
cat <<'HELP'
Usage: kq-predict [options]

Options:
  -h, --help            Displays help on commandline options.
  --around <days>       Days either side.
  --evaluate <file>     A file of dates.
  --due <date>          The due date.
HELP
FAKE
chmod +x "$fake/bin/kq-predict"
bin=$fake/bin
here=$fake/here
fake_cases=(
    "kq-predict --around |"
    "kq-predict --around 3 --|--around"$'\n'"--due"$'\n'"--evaluate"$'\n'"--help"
    "kq-predict --evaluate |dates.txt"$'\n'"more.csv"
    "kq-predict --evaluate m|more.csv"
    "kq-predict --due |$today"$'\n'"YYYY-MM-DD"
    "kq-predict some/thing* |--around"$'\n'"--due"$'\n'"--evaluate"$'\n'"--help"
)
for row in "${fake_cases[@]}"; do
    line=${row%%|*}
    expected=$(sort <<<"${row#*|}" | sed '/^$/d')
    actual=$(complete_line "$line")
    if [[ $actual != "$expected" ]]; then
        fail "'$line<Tab>' (values other than dates) offers:"$'\n'"${actual:-(nothing)}"$'\n'"instead of:"$'\n'"${expected:-(nothing)}"
    fi
done

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "OK: $((${#cases[@]} + ${#fake_cases[@]})) command lines complete as expected"
