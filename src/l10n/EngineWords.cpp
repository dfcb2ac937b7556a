// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's answers in the user's language: its own English texts, marked for the
// catalogue and looked up in it.
#include "EngineWords.h"

#include <QCoreApplication>

namespace kq::EngineWords {

namespace {

constexpr const char *Context = "EngineWords";

// The engine's texts as the catalogue knows them; each must read exactly as the engine writes
// it (checked below), or its translation would never be found.
constexpr const char *Boy = QT_TRANSLATE_NOOP("EngineWords", "Boy");
constexpr const char *Girl = QT_TRANSLATE_NOOP("EngineWords", "Girl");
constexpr const char *Blue = QT_TRANSLATE_NOOP("EngineWords", "Blue");
constexpr const char *Pink = QT_TRANSLATE_NOOP("EngineWords", "Pink");
constexpr const char *FewerThanNineMonths
    = QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your predicted to have a Baby");
constexpr const char *NineMonthsOrMore
    = QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your Baby is predicted to be a");
constexpr const char *ConceptionDate
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of Conception !");
constexpr const char *ConceptionDayOf31
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of of Conception !");
constexpr const char *BirthDate
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of Birth !");
constexpr const char *AgeOutOfRange = QT_TRANSLATE_NOOP("EngineWords",
    "                      Check The Date Of Conception.\r\n"
    "Mother's Age Must Be Between 18 to 45 at Time Of Conception !");

constexpr const char *genderText(Gender gender)
{
    return gender == Gender::Boy ? Boy : Girl;
}

constexpr const char *colourText(Gender gender)
{
    return gender == Gender::Boy ? Blue : Pink;
}

constexpr const char *congratulationText(CongratulationLine line)
{
    return line == CongratulationLine::FewerThanNineMonths ? FewerThanNineMonths : NineMonthsOrMore;
}

constexpr const char *dateCheckText(int check)
{
    if (check == 3)
        return ConceptionDayOf31;
    return check > 3 ? BirthDate : ConceptionDate;
}

constexpr bool agreesWithTheEngine()
{
    for (const Gender gender : {Gender::Boy, Gender::Girl})
        if (GenderText(gender) != genderText(gender)
            || BabyColourNameText(gender) != colourText(gender))
            return false;
    for (const auto line :
        {CongratulationLine::FewerThanNineMonths, CongratulationLine::NineMonthsOrMore})
        if (CongratulationText(line) != congratulationText(line))
            return false;
    for (int check = 1; check <= 6; ++check)
        if (DateCheckMessage(check) != dateCheckText(check))
            return false;
    return AgeOutOfRangeText == AgeOutOfRange;
}
static_assert(agreesWithTheEngine(), "a text of the catalogue differs from the engine's");

QString translated(const char *english)
{
    return QCoreApplication::translate(Context, english);
}

} // namespace

QString gender(Gender gender)
{
    return translated(genderText(gender));
}

QString babyColour(Gender gender)
{
    return translated(colourText(gender));
}

QString congratulation(CongratulationLine line)
{
    return translated(congratulationText(line));
}

QString dateCheck(int check)
{
    return translated(dateCheckText(check));
}

QString ageOutOfRange()
{
    return translated(AgeOutOfRange);
}

} // namespace kq::EngineWords
