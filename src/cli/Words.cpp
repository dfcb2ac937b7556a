// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's texts in the user's language.
#include "Words.h"

#include "Prediction.h"

#include <array>

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

} // namespace

std::string SayEngineText(std::string_view english)
{
    for (const char *text : EngineTexts)
        if (english == text)
            return Say(QCoreApplication::translate("KqPredict", text));
    return std::string(english);
}

} // namespace kq::cli
