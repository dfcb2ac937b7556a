// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's answers in words: the program's own English texts, marked for the catalogue and
// looked up in it.
#include "EngineWords.h"

#include "ChartSpan.h"

#include <QCoreApplication>

#include <array>

namespace kq::EngineWords {

namespace {

// A text's English source, or its translation for people.
QString word(const char *english, Wording wording)
{
    return wording == Wording::English ? QString::fromUtf8(english)
                                       : QCoreApplication::translate("EngineWords", english);
}

constexpr std::size_t index(Gender gender)
{
    return gender == Gender::Boy ? 0 : 1;
}

constexpr std::size_t index(CongratulationLine line)
{
    return line == CongratulationLine::FewerThanNineMonths ? 0 : 1;
}

constexpr std::array<const char *, 2> Genders
    = {QT_TRANSLATE_NOOP("EngineWords", "Boy"), QT_TRANSLATE_NOOP("EngineWords", "Girl")};

constexpr std::array<const char *, 2> Colours
    = {QT_TRANSLATE_NOOP("EngineWords", "Blue"), QT_TRANSLATE_NOOP("EngineWords", "Pink")};

// The result window starts with the second line.
constexpr std::array<const char *, 2> CongratulationLines = {
    QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your predicted to have a Baby"),
    QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your Baby is predicted to be a"),
};

// By line, then by gender.
constexpr std::array<std::array<const char *, 2>, 2> CongratulationSentences = {{
    {QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your predicted to have a Baby Boy"),
        QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your predicted to have a Baby Girl")},
    {QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your Baby is predicted to be a Boy"),
        QT_TRANSLATE_NOOP("EngineWords", "Congratulations!! Your Baby is predicted to be a Girl")},
}};

// By DateCheck: the conception date's three checks, then the date of birth's. The doubled "of"
// is the program's own wording for a 31st in a 30-day month.
constexpr const char *ConceptionDate
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of Conception !");
constexpr const char *ConceptionDayOf31
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of of Conception !");
constexpr const char *BirthDate
    = QT_TRANSLATE_NOOP("EngineWords", "Please Enter Correct Date Of Birth !");
constexpr std::array<const char *, 6> DateChecks
    = {ConceptionDate, ConceptionDate, ConceptionDayOf31, BirthDate, BirthDate, BirthDate};

} // namespace

QString gender(Gender gender, Wording wording)
{
    return word(Genders[index(gender)], wording);
}

QString babyColour(Gender gender, Wording wording)
{
    return word(Colours[index(gender)], wording);
}

QString congratulation(CongratulationLine line, Wording wording)
{
    return word(CongratulationLines[index(line)], wording);
}

QString congratulationWithGender(CongratulationLine line, Gender gender, Wording wording)
{
    return word(CongratulationSentences[index(line)][index(gender)], wording);
}

PredictionWords wordsOf(const PredictionAnswer &answer, Wording wording)
{
    return {gender(answer.gender, wording), babyColour(answer.gender, wording),
        congratulation(answer.congratulation, wording),
        congratulationWithGender(answer.congratulation, answer.gender, wording)};
}

QString dateCheck(DateCheck check, Wording wording)
{
    return word(DateChecks[static_cast<std::size_t>(check)], wording);
}

QString ageOutOfRange(Wording wording)
{
    //: The message box for an age outside the chart's; %1 is the age limits' line.
    return word(QT_TRANSLATE_NOOP(
                    "EngineWords", "                      Check The Date Of Conception.\r\n%1"),
        wording)
        .arg(ageLimits(wording));
}

QString ageLimits(Wording wording)
{
    return word(QT_TRANSLATE_NOOP(
                    "EngineWords", "Mother's Age Must Be Between %1 to %2 at Time Of Conception !"),
        wording)
        .arg(modDurorurOzivurediRuvidevo::YoungestChartAge)
        .arg(modDurorurOzivurediRuvidevo::OldestChartAge);
}

} // namespace kq::EngineWords
