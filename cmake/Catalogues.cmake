# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# The programs' catalogues: translations/NAME_LANGUAGE.ts for every language the programs speak
# besides English. The same suffixes, in the same order, as the table of languages in
# src/l10n/Languages.h (a test compares the two).
set(KQ_LANGUAGES zh_CN zh_TW es)

# kq_add_catalogues(TARGET NAME SOURCE_DIR...): compiles the catalogues NAME_*.ts and builds them
# into TARGET under ":/i18n" (no file is installed beside the programs). The target
# update_translations refreshes every catalogue from the folders of the sources whose texts it
# holds, with lupdate; the global property KQ_CATALOGUES lists them as "NAME=DIR:DIR...", for
# the test that the catalogues are up to date.
function(kq_add_catalogues target name)
    set(ts_files)
    foreach(language IN LISTS KQ_LANGUAGES)
        list(APPEND ts_files ${PROJECT_SOURCE_DIR}/translations/${name}_${language}.ts)
    endforeach()
    qt_add_lrelease(${target} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files)
    string(MAKE_C_IDENTIFIER "${name}_catalogues" resource)
    qt_add_resources(${target} ${resource} PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${qm_files})
    add_custom_target(update_${resource}
        COMMAND Qt6::lupdate -locations none -no-obsolete ${ARGN} -ts ${ts_files}
        COMMENT "Refreshing translations/${name}_*.ts from its sources"
        VERBATIM)
    if(NOT TARGET update_translations)
        add_custom_target(update_translations)
    endif()
    add_dependencies(update_translations update_${resource})
    list(JOIN ARGN ":" folders)
    set_property(GLOBAL APPEND PROPERTY KQ_CATALOGUES "${name}=${folders}")
endfunction()
