// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The columns a text takes in a terminal, as the C library counts them (wcswidth in a UTF-8
// locale): Chinese characters take two.
#pragma once

#include <QString>

#include <clocale>
#include <string>
#include <wchar.h> // wcswidth (POSIX)

namespace kq::test {

inline int TerminalColumns(const QString &text)
{
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    if (!utf8)
        return -1;
    const std::wstring wide = text.toStdWString();
    return ::wcswidth(wide.c_str(), wide.size());
}

} // namespace kq::test
