// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The width of a text in a terminal.
#include "TextColumns.h"

#include <QList>
#include <QStringView>

namespace kq::cli {

namespace {

// East Asian Wide and Fullwidth characters (Unicode's East Asian Width, the blocks kq-predict
// can show): Hangul Jamo, CJK punctuation, kana and ideographs, Hangul syllables,
// compatibility ideographs, vertical and small forms, fullwidth forms, the supplementary
// ideographs.
bool isWide(char32_t point)
{
    return (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0x303E)
        || (point >= 0x3041 && point <= 0xA4CF) || (point >= 0xAC00 && point <= 0xD7A3)
        || (point >= 0xF900 && point <= 0xFAFF) || (point >= 0xFE30 && point <= 0xFE4F)
        || (point >= 0xFF00 && point <= 0xFF60) || (point >= 0xFFE0 && point <= 0xFFE6)
        || (point >= 0x20000 && point <= 0x3FFFD);
}

} // namespace

std::size_t DisplayWidth(const QString &text)
{
    std::size_t columns = 0;
    for (const char32_t point : QStringView(text).toUcs4()) {
        // Combining accents take no column of their own.
        if (point >= 0x0300 && point <= 0x036F)
            continue;
        columns += isWide(point) ? 2 : 1;
    }
    return columns;
}

} // namespace kq::cli
