// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The columns a text takes in a terminal, as the C library counts them (wcswidth in a UTF-8
// locale): Chinese characters take two. Windows' C library has no wcswidth; there the columns
// of a console are counted from the East Asian Width property of Unicode (UAX #11): wide and
// full-width characters take two, every other character of the program's texts one.
#pragma once

#include <QString>

#ifdef _WIN32
#include <QStringView>
#else
#include <clocale>
#include <string>
#include <wchar.h> // wcswidth (POSIX)
#endif

namespace kq::test {

#ifdef _WIN32
inline int TerminalColumns(const QString &text)
{
    int columns = 0;
    for (const char32_t c : text.toUcs4()) {
        // The ranges of East Asian Width W and F that the program's languages use.
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E)
            || (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF)
            || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
            || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
            || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
            || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        columns += wide ? 2 : 1;
    }
    return columns;
}
#else
inline int TerminalColumns(const QString &text)
{
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    if (!utf8)
        return -1;
    const std::wstring wide = text.toStdWString();
    return ::wcswidth(wide.c_str(), wide.size());
}
#endif

} // namespace kq::test
