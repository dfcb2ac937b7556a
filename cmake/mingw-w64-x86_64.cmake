# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (gcc with POSIX threads).
# Used both to build Qt for Windows (scripts/windows/build-qt.sh) and, through Qt's own
# qt.toolchain.cmake, to build the programs and their tests (scripts/windows/build.sh).
# Wine runs what the build or ctest must execute.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KQ_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KQ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KQ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KQ_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${KQ_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${KQ_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${KQ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(KQ_WINE wine)
if(KQ_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KQ_WINE})
endif()
