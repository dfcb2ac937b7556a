// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The width of a text in a terminal.
#include "TextColumns.h"

#include <cstdint>

namespace kq::cli {

namespace {

// Decodes one UTF-8 character at `at` and moves past it; a broken sequence counts as one byte.
std::uint32_t nextCodePoint(const std::string &text, std::size_t &at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80 ? 1
        : lead >= 0xF0               ? 4
        : lead >= 0xE0               ? 3
        : lead >= 0xC0               ? 2
                                     : 1;
    if (at + length > text.size())
        length = 1;
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        point = (point << 6) | (byte(at + i) & 0x3F);
    at += length;
    return point;
}

// East Asian Wide and Fullwidth characters (Unicode's East Asian Width, the blocks kq-predict
// can show): Hangul Jamo, CJK punctuation, kana and ideographs, Hangul syllables,
// compatibility ideographs, vertical and small forms, fullwidth forms, the supplementary
// ideographs.
bool isWide(std::uint32_t point)
{
    return (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0x303E)
        || (point >= 0x3041 && point <= 0xA4CF) || (point >= 0xAC00 && point <= 0xD7A3)
        || (point >= 0xF900 && point <= 0xFAFF) || (point >= 0xFE30 && point <= 0xFE4F)
        || (point >= 0xFF00 && point <= 0xFF60) || (point >= 0xFFE0 && point <= 0xFFE6)
        || (point >= 0x20000 && point <= 0x3FFFD);
}

} // namespace

std::size_t DisplayWidth(const std::string &text)
{
    std::size_t columns = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::uint32_t point = nextCodePoint(text, at);
        // Combining accents take no column of their own.
        if (point >= 0x0300 && point <= 0x036F)
            continue;
        columns += isWide(point) ? 2 : 1;
    }
    return columns;
}

} // namespace kq::cli
