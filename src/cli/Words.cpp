// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's texts in the user's language, and the width of a text in a terminal.
#include "Words.h"

#include "Prediction.h"
#include "TextColumns.h"

#include <array>
#include <cstdint>

namespace kq::cli {

namespace {

// The engine's texts that kq-predict shows in its text answers, marked for the catalogue.
// They must read exactly as the engine writes them (checked below).
constexpr std::array EngineTexts {
    QT_TRANSLATE_NOOP("KqPredict", "Boy"),
    QT_TRANSLATE_NOOP("KqPredict", "Girl"),
    QT_TRANSLATE_NOOP("KqPredict", "Blue"),
    QT_TRANSLATE_NOOP("KqPredict", "Pink"),
    QT_TRANSLATE_NOOP("KqPredict", "Congratulations!! Your predicted to have a Baby"),
    QT_TRANSLATE_NOOP("KqPredict", "Congratulations!! Your Baby is predicted to be a"),
    QT_TRANSLATE_NOOP("KqPredict", "Please Enter Correct Date Of of Conception !"),
    QT_TRANSLATE_NOOP("KqPredict", "Please Enter Correct Date Of Conception !"),
    QT_TRANSLATE_NOOP("KqPredict", "Please Enter Correct Date Of Birth !"),
    QT_TRANSLATE_NOOP("KqPredict",
        "                      Check The Date Of Conception.\r\n"
        "Mother's Age Must Be Between 18 to 45 at Time Of Conception !"),
};
static_assert(GenderText(Gender::Boy) == EngineTexts[0]);
static_assert(GenderText(Gender::Girl) == EngineTexts[1]);
static_assert(BabyColourNameText(Gender::Boy) == EngineTexts[2]);
static_assert(BabyColourNameText(Gender::Girl) == EngineTexts[3]);
static_assert(FewerThanNineMonthsText == EngineTexts[4]);
static_assert(NineMonthsOrMoreText == EngineTexts[5]);
static_assert(AgeOutOfRangeText == EngineTexts[9]);

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

std::string SayEngineText(std::string_view english)
{
    for (const char *text : EngineTexts)
        if (english == text)
            return Say(QCoreApplication::translate("KqPredict", text));
    return std::string(english);
}

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
