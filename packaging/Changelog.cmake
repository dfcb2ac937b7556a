# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The changelog (packaging/changelog, in Debian's format) is the one record of the releases:
# kq_read_changelog() reads it for the manual pages' date and for AppStream's <releases>.
#
# kq_read_changelog(FILE) sets, in the caller's scope:
#   KQ_RELEASE_VERSION   the newest entry's version, e.g. 1.95
#   KQ_RELEASE_DATE      the newest entry's date, YYYY-MM-DD
#   KQ_APPSTREAM_RELEASES every entry, newest first, as AppStream <release> elements, each with
#                        its items as a list
# and fails the configuration on an entry it cannot read, rather than publish a wrong date.
# One item as text inside an XML element.
function(_kq_changelog_item item semicolon out)
    string(REPLACE "&" "&amp;" item "${item}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(REPLACE ">" "&gt;" item "${item}")
    string(REPLACE "${semicolon}" ";" item "${item}")
    set(${out} "          <li>${item}</li>\n" PARENT_SCOPE)
endfunction()

function(kq_read_changelog file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
    file(READ "${file}" text)
    # CMake lists are separated by ";": keep the text's own semicolons apart while splitting.
    string(ASCII 31 semicolon)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(releases "")
    set(version "")
    set(items "")
    set(item "")
    set(newest_version "")
    set(newest_date "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^) ]+)\\) ")
            set(version "${CMAKE_MATCH_1}")
            set(items "")
            set(item "")
        elseif(line MATCHES "^  \\* (.*)$")
            if(NOT item STREQUAL "")
                _kq_changelog_item("${item}" "${semicolon}" li)
                string(APPEND items "${li}")
            endif()
            set(item "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    +([^ ].*)$")
            string(APPEND item " ${CMAKE_MATCH_1}")
        elseif(line MATCHES "^ -- ")
            if(NOT line MATCHES
               "^ -- .+ <[^>]+>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
                message(FATAL_ERROR "${file}: cannot read the date of the line \"${line}\"")
            endif()
            set(day "${CMAKE_MATCH_1}")
            set(year "${CMAKE_MATCH_3}")
            list(FIND months "${CMAKE_MATCH_2}" month)
            if(version STREQUAL "" OR month LESS 0)
                message(FATAL_ERROR "${file}: an entry without a version, or an unknown month, "
                                    "before \"${line}\"")
            endif()
            math(EXPR month "${month} + 1")
            if(month LESS 10)
                set(month "0${month}")
            endif()
            string(LENGTH "${day}" day_digits)
            if(day_digits EQUAL 1)
                set(day "0${day}")
            endif()
            if(NOT item STREQUAL "")
                _kq_changelog_item("${item}" "${semicolon}" li)
                string(APPEND items "${li}")
            endif()
            set(date "${year}-${month}-${day}")
            string(APPEND releases "    <release version=\"${version}\" date=\"${date}\">\n"
                                   "      <description>\n        <ul>\n${items}"
                                   "        </ul>\n      </description>\n    </release>\n")
            if(newest_version STREQUAL "")
                set(newest_version "${version}")
                set(newest_date "${date}")
            endif()
            set(version "")
            set(items "")
            set(item "")
        endif()
    endforeach()
    if(newest_version STREQUAL "")
        message(FATAL_ERROR "${file}: no complete entry")
    endif()

    set(KQ_RELEASE_VERSION "${newest_version}" PARENT_SCOPE)
    set(KQ_RELEASE_DATE "${newest_date}" PARENT_SCOPE)
    string(STRIP "${releases}" releases)
    set(KQ_APPSTREAM_RELEASES "${releases}" PARENT_SCOPE)
endfunction()
