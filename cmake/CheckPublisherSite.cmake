# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The check of the publisher's site (KQ_PUBLISHER_SITE) when the build is configured. The site
# goes into the program's page addresses as it stands and into generated C++ as a string: a
# value that is not an http or https address with a host, that ends in "/", or that holds a
# quote, a backslash or white space would build, and then every link would fail silently (or
# the generated C++ would not compile). Such a value stops the configuration with one message.
function(kq_check_publisher_site site)
    set(problem "")
    if(site MATCHES "[\"'\\\\ \t\r\n]")
        set(problem "holds a quote, a backslash or a space")
    elseif(NOT site MATCHES "^https?://[A-Za-z0-9]")
        set(problem "is not an http or https address with a host")
    elseif(site MATCHES "/$")
        set(problem "ends in \"/\"")
    endif()
    if(problem)
        message(FATAL_ERROR "KQ_PUBLISHER_SITE \"${site}\" ${problem}. Give the scheme and host "
            "of the publisher's web site without a trailing \"/\", e.g. https://www.example.com")
    endif()
endfunction()
