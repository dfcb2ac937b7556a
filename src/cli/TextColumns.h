// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Columns of kq-predict's text tables: a text padded with spaces to a width, counted in the
// columns a terminal gives it (a Chinese character takes two).
#pragma once

#include <QString>

#include <cstddef>

namespace kq::cli {

// The columns a text takes in a terminal: two for each East Asian Wide or Fullwidth character
// (Chinese characters and punctuation, fullwidth forms), none for a combining accent, one for
// every other.
std::size_t DisplayWidth(const QString &text);

inline QString PadLeft(const QString &text, std::size_t width)
{
    const std::size_t columns = DisplayWidth(text);
    return columns >= width ? text : QString(qsizetype(width - columns), u' ') + text;
}

inline QString PadRight(const QString &text, std::size_t width)
{
    const std::size_t columns = DisplayWidth(text);
    return columns >= width ? text : text + QString(qsizetype(width - columns), u' ');
}

} // namespace kq::cli
