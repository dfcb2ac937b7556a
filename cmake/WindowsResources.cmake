# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# kq_add_windows_resources(TARGET DESCRIPTION [ICON]): on Windows, gives TARGET its version
# information and the programs' manifest, and with ICON the application icon in all its sizes.
set(KQ_WINDOWS_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows)

function(kq_add_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 2 arg "ICON" "" "")
    set(KQ_RC_FILE_NAME ${target})
    set(KQ_RC_DESCRIPTION "${description}")
    set(KQ_RC_MANIFEST ${KQ_WINDOWS_RESOURCES_DIR}/kq.manifest)
    set(KQ_RC_ICON "")
    if(arg_ICON)
        set(ico ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)
        set(pngs)
        foreach(size IN LISTS KQ_ICON_SIZES)
            list(APPEND pngs ${PROJECT_SOURCE_DIR}/src/ui/icons/kq-pregnancy-calendar-${size}.png)
        endforeach()
        find_package(Python3 REQUIRED COMPONENTS Interpreter)
        add_custom_command(OUTPUT ${ico}
            COMMAND Python3::Interpreter ${KQ_WINDOWS_RESOURCES_DIR}/make-ico.py ${ico} ${pngs}
            DEPENDS ${KQ_WINDOWS_RESOURCES_DIR}/make-ico.py ${pngs}
            COMMENT "Packing the application icon for Windows"
            VERBATIM)
        # The first icon of an executable is the one Explorer shows.
        set(KQ_RC_ICON "1 ICON \"${ico}\"")
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${KQ_WINDOWS_RESOURCES_DIR}/program.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES
        OBJECT_DEPENDS "${KQ_WINDOWS_RESOURCES_DIR}/kq.manifest;${ico}")
    target_sources(${target} PRIVATE ${rc})
endfunction()
