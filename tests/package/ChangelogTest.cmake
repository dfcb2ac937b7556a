# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The changelog reader (packaging/Changelog.cmake) on changelogs written for the purpose: the
# newest entry's version and date, every entry as an AppStream release, newest first, with its
# items as XML text. Run with: cmake -DSOURCE_DIR=... -DWORK_DIR=... -P ChangelogTest.cmake
include(${SOURCE_DIR}/packaging/Changelog.cmake)
file(MAKE_DIRECTORY ${WORK_DIR})

set(failures 0)
macro(expect name actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        message("FAIL ${name}:\n  got:      ${actual}\n  expected: ${expected}")
        math(EXPR failures "${failures} + 1")
    endif()
endmacro()

set(trailer " -- Corvane Softwares <support@kq-publisher.example>")

# Two entries; an item over two lines with a semicolon, an ampersand and angle brackets; a
# day of one digit.
file(WRITE ${WORK_DIR}/two-entries
"kq-pregnancy-calendar (2.0) unstable; urgency=medium\n\n"
"  * Years 1901 to 2099; dates <before> & after\n"
"    the old range.\n"
"  * A second item.\n\n"
"${trailer}  Fri, 5 Mar 2027 09:00:00 +0100\n\n"
"kq-pregnancy-calendar (1.95) unstable; urgency=medium\n\n"
"  * First release.\n\n"
"${trailer}  Tue, 08 Dec 2026 12:00:00 +0000\n")
kq_read_changelog(${WORK_DIR}/two-entries)
expect(NewestVersion "${KQ_RELEASE_VERSION}" "2.0")
expect(NewestDateOfOneDigitDay "${KQ_RELEASE_DATE}" "2027-03-05")
string(REGEX MATCHALL "<release [^>]*>" releases "${KQ_APPSTREAM_RELEASES}")
expect(ReleasesNewestFirst "${releases}"
    "<release version=\"2.0\" date=\"2027-03-05\">;<release version=\"1.95\" date=\"2026-12-08\">")
string(FIND "${KQ_APPSTREAM_RELEASES}"
    "<li>Years 1901 to 2099; dates &lt;before&gt; &amp; after the old range.</li>" escaped)
if(escaped EQUAL -1)
    message("FAIL ItemJoinedAndEscaped: the item is missing from\n${KQ_APPSTREAM_RELEASES}")
    math(EXPR failures "${failures} + 1")
endif()
string(REGEX MATCHALL "<li>" items "${KQ_APPSTREAM_RELEASES}")
list(LENGTH items item_count)
expect(EveryItem "${item_count}" "3")

# A changelog that cannot be read must stop the configuration, not publish a wrong date: each
# case runs in a cmake of its own, which must fail.
set(bad_cases
    "NoDate|kq-pregnancy-calendar (1.95) unstable; urgency=medium\n\n  * Item.\n\n${trailer}\n"
    "UnknownMonth|kq-pregnancy-calendar (1.95) unstable; urgency=medium\n\n  * Item.\n\n${trailer}  Tue, 08 Dez 2026 12:00:00 +0000\n"
    "NoVersion|  * Item.\n\n${trailer}  Tue, 08 Dec 2026 12:00:00 +0000\n"
    "Empty|\n")
foreach(row IN LISTS bad_cases)
    string(FIND "${row}" "|" bar)
    string(SUBSTRING "${row}" 0 ${bar} name)
    math(EXPR start "${bar} + 1")
    string(SUBSTRING "${row}" ${start} -1 text)
    file(WRITE ${WORK_DIR}/${name} "${text}")
    file(WRITE ${WORK_DIR}/${name}.cmake
        "include(${SOURCE_DIR}/packaging/Changelog.cmake)\nkq_read_changelog(${WORK_DIR}/${name})\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -P ${WORK_DIR}/${name}.cmake
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(result EQUAL 0)
        message("FAIL ${name}: the changelog was accepted")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} check(s) failed")
endif()
message("OK: the changelog reader")
