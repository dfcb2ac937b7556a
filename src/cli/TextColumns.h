// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Columns of kq-predict's text tables: a text padded with spaces to a width.
#pragma once

#include <cstddef>
#include <string>

namespace kq::cli {

inline std::string PadLeft(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

inline std::string PadRight(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

} // namespace kq::cli
