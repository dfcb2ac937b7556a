// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The Windows console in UTF-8 for kq-predict's run.
#include "Utf8Console.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace kq::cli {

#ifdef _WIN32
Utf8Console::Utf8Console()
{
    // Without a console (output redirected, started from a program) both calls fail and
    // nothing changes.
    if (const UINT output = ::GetConsoleOutputCP();
        output != 0 && output != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        previousOutput = output;
    if (const UINT input = ::GetConsoleCP();
        input != 0 && input != CP_UTF8 && ::SetConsoleCP(CP_UTF8))
        previousInput = input;
}

Utf8Console::~Utf8Console()
{
    if (previousOutput != 0)
        ::SetConsoleOutputCP(previousOutput);
    if (previousInput != 0)
        ::SetConsoleCP(previousInput);
}
#endif

} // namespace kq::cli
