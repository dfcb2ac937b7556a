// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words of one input line of kq-predict (--batch and --evaluate): separated by spaces,
// tabs and the other white space of a text line.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kq::cli {

constexpr bool IsLineSpace(char c) noexcept
{
    // Most characters are above the space: one comparison settles them.
    return static_cast<unsigned char>(c) <= ' '
        && (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f');
}

constexpr bool IsBlankLine(std::string_view line) noexcept
{
    for (const char c : line)
        if (!IsLineSpace(c))
            return false;
    return true;
}

// Splits a line into its words, keeping at most `Max`; returns how many it found, counting at
// most one beyond `Max` (Max + 1 meaning "more than Max").
template <std::size_t Max>
constexpr std::size_t SplitLineWords(
    std::string_view line, std::array<std::string_view, Max> &words) noexcept
{
    std::size_t count = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsLineSpace(line[at]))
            ++at;
        if (at == line.size())
            break;
        const std::size_t start = at;
        while (at < line.size() && !IsLineSpace(line[at]))
            ++at;
        if (count == Max)
            return Max + 1;
        words[count++] = line.substr(start, at - start);
    }
    return count;
}

} // namespace kq::cli
