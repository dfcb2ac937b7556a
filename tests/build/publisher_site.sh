#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The check of KQ_PUBLISHER_SITE at configuration: sites the program can use pass, and each kind
# of unusable site stops CMake with its message. Usage: publisher_site.sh PATH-TO-cmake
set -uo pipefail
cmake=$1
script="$(cd "$(dirname "$0")" && pwd)/check_publisher_site.cmake"
failures=0

# row: name, site, expected ("ok" or a part of the message)
row() {
    local name=$1 site=$2 expected=$3 output status
    output=$("$cmake" "-DSITE=$site" -P "$script" 2>&1)
    status=$?
    output=$(tr -s '[:space:]' ' ' <<<"$output") # CMake wraps its message
    if [[ "$expected" == ok ]]; then
        [[ $status -eq 0 ]] && return
        echo "FAIL: $name: '$site' was refused: $output"
    elif [[ $status -eq 0 ]]; then
        echo "FAIL: $name: '$site' was accepted"
    elif [[ "$output" != *"$expected"* ]]; then
        echo "FAIL: $name: '$site' was refused without '$expected': $output"
    else
        return
    fi
    failures=$((failures + 1))
}

row "the default" "https://www.kq-publisher.example" ok
row "plain http with a port" "http://localhost:8080" ok
row "a site in a folder" "https://example.org/kq" ok
row "no scheme" "www.example.com" "is not an http or https address with a host"
row "another scheme" "ftp://example.com" "is not an http or https address with a host"
row "no host" "https://" "is not an http or https address with a host"
row "empty" "" "is not an http or https address with a host"
row "a trailing slash" "https://www.example.com/" 'ends in "/"'
row "a double quote" 'https://www.example.com/"x' "holds a quote, a backslash or a space"
row "a single quote" "https://www.example.com/'x" "holds a quote, a backslash or a space"
row "a backslash" 'https://www.example.com\x' "holds a quote, a backslash or a space"
row "a space" "https://www.example .com" "holds a quote, a backslash or a space"

[[ $failures -eq 0 ]] && echo "all rows pass"
exit $((failures > 0))
