// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Columns of kq-predict's text tables: a text padded with spaces to a width, counted in the
// columns a terminal gives it (a Chinese character takes two).
#pragma once

#include <cstddef>
#include <string>

namespace kq::cli {

// The columns a UTF-8 text takes in a terminal: two for each East Asian Wide or Fullwidth
// character (Chinese characters and punctuation, fullwidth forms), one for every other.
std::size_t DisplayWidth(const std::string &text);

inline std::string PadLeft(const std::string &text, std::size_t width)
{
    const std::size_t columns = DisplayWidth(text);
    return columns >= width ? text : std::string(width - columns, ' ') + text;
}

inline std::string PadRight(const std::string &text, std::size_t width)
{
    const std::size_t columns = DisplayWidth(text);
    return columns >= width ? text : text + std::string(width - columns, ' ');
}

} // namespace kq::cli
