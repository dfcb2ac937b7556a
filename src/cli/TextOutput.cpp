// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Text for people: the prediction, its working, the lunar month of a date and the gender chart.
#include "TextOutput.h"

#include "DueDate.h"
#include "EngineWords.h"
#include "IsoDate.h"
#include "Messages.h"
#include "TextColumns.h"
#include "Words.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace kq::cli {

namespace lm = modDurorurOzivurediRuvidevo;

namespace {

constexpr int CellWidth = 7;

QString trimmedRight(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString formatted(const DateSelection &date)
{
    return FormatIsoDate(CalendarDateOf(date));
}

// The width of the label column of the chart's rows: the label and a space, or `least`.
std::size_t labelWidth(const QString &label, std::size_t least)
{
    return std::max(DisplayWidth(label) + 1, least);
}

QString monthHeader(const QString &label, std::size_t width)
{
    QString header = PadRight(label, width);
    for (int month = 1; month <= 12; ++month)
        header += PadLeft(QString::number(month) + u' ', CellWidth);
    return trimmedRight(header);
}

// The chart's row for an age; the cell of `marked` (0: none) in brackets.
QString chartRow(const QString &label, int age, int marked)
{
    QString row = label;
    for (int month = 1; month <= 12; ++month) {
        const auto cell = lm::LookUpGender(age, month);
        const QString gender = cell ? EngineWords::gender(*cell) : QStringLiteral("-");
        row += PadLeft(month == marked ? u'[' + gender + u']' : gender + u' ', CellWidth);
    }
    return trimmedRight(row);
}

// "extended (the official Chinese calendar of 1901 to 2099)".
QString extendedCalendarText(Wording wording)
{
    return Word(
        QT_TRANSLATE_NOOP("KqPredict", "extended (the official Chinese calendar of %1)"), wording)
        .arg(Span(lm::FirstExtendedYear, lm::LastExtendedYear, wording));
}

QString monthBeganText(const lm::LunarMonthInForce &month)
{
    if (month.start)
        return KqPredict::tr("lunar month %1, which began on %2")
            .arg(month.number)
            .arg(FormatIsoDate(*month.start));
    return KqPredict::tr("lunar month %1, which began before %2, where the table starts")
        .arg(month.number)
        .arg(formatted(DateSelection {1, 1, lm::FirstTableYear}));
}

// The working's words on the calendar, only where the extended calendar answered: inside
// 1960 to 2012 the program's own table answers, and the working reads as it always has.
QString calendarWorkingText(const lm::LunarMonthInForce &month)
{
    if (month.calendar != lm::LunarCalendar::Extended)
        return {};
    QString text = KqPredict::tr("  Calendar: extended, the official Chinese calendar of %1 (the\n"
                                 "    program's own lunar-month table covers %2 only)\n")
                       .arg(Span(lm::FirstExtendedYear, lm::LastExtendedYear),
                           Span(lm::FirstTableYear, lm::LastTableYear));
    if (month.startDisputed)
        text += KqPredict::tr(
            "  Disputed: published reckonings put the first day of this lunar month one "
            "day\n"
            "    apart (the new moon falls close to midnight in China); the official\n"
            "    calendar's day is taken\n");
    return text;
}

QString estimatedDateText(const ConceptionEstimate &estimate)
{
    return KqPredict::tr("%1, %2", "the estimated date of conception, how it was estimated")
        .arg(FormatIsoDate(estimate.conception), EstimateBasisText(estimate));
}

// Lines "Label:   value" with the values in one column, one space after the widest label; a
// line without a value is left out.
QString labelledLines(std::initializer_list<std::pair<QString, QString>> lines)
{
    std::size_t width = 0;
    for (const auto &line : lines)
        width = std::max(width, DisplayWidth(line.first) + 1);
    QString text;
    for (const auto &[label, value] : lines)
        if (!value.isEmpty())
            text += PadRight(label, width) + value + u'\n';
    return text;
}

} // namespace

QString PredictionText(const Reply &reply)
{
    const PredictionAnswer &answer = reply.answer;
    const EngineWords::PredictionWords words = EngineWords::wordsOf(answer);
    const bool extended = answer.lunarMonth.calendar == lm::LunarCalendar::Extended;
    return labelledLines({
               {KqPredict::tr("Conception (estimated):"),
                   reply.estimate ? estimatedDateText(*reply.estimate) : QString()},
               {KqPredict::tr("Mother's Chinese age:"), QString::number(answer.motherChineseAge)},
               {KqPredict::tr("Lunar month of conception:"),
                   QString::number(answer.lunarMonth.number)},
               {KqPredict::tr("Calendar:"),
                   extended ? extendedCalendarText(Wording::UserLanguage) : QString()},
               {KqPredict::tr("Gender:"), words.gender},
               {KqPredict::tr("Colour:"), words.babyColour},
           })
        + words.congratulationWithGender + u'\n';
}

QString ExplanationText(const Reply &reply)
{
    const PredictionAnswer &answer = reply.answer;
    const int age = answer.motherChineseAge;
    const int baseAge = age - (answer.newYearStep ? 1 : 0);
    QString text = KqPredict::tr("How it was worked out:") + u'\n';
    if (reply.estimate) {
        // The rule as ConceptionEstimate.cpp gives it, with its sources.
        text += KqPredict::tr("  Estimated conception: %1\n"
                              "    (by Naegele's rule the due date is %2 days after the first "
                              "day of the last\n"
                              "    period, and conception falls about %3 days after that day: "
                              "an estimate)\n")
                    .arg(estimatedDateText(*reply.estimate))
                    .arg(DaysFromLastPeriodToDueDate)
                    .arg(DaysFromLastPeriodToConception);
    }
    text += KqPredict::tr("  Base age: %1 - %2 = %3 (year of conception minus year of birth; the "
                          "birthday plays no part)")
                .arg(reply.conception.Year)
                .arg(reply.birth.Year)
                .arg(baseAge)
        + u'\n';
    text += (answer.newYearStep
                    ? KqPredict::tr("  New-year step: +1, conceived on or after 21 February: "
                                    "Chinese age %1")
                    : KqPredict::tr(
                        "  New-year step: none, conceived before 21 February: Chinese age %1"))
                .arg(age)
        + u'\n';
    text += KqPredict::tr("  Conceived on %1: %2")
                .arg(formatted(reply.conception), monthBeganText(answer.lunarMonth))
        + u'\n' + calendarWorkingText(answer.lunarMonth);
    const QString month = MonthHeading();
    const std::size_t width = labelWidth(month, 6);
    text += KqPredict::tr("  Chart row for age %1, month of conception in brackets:").arg(age)
        + u'\n' + QStringLiteral("  ") + monthHeader(month, width) + u'\n' + QStringLiteral("  ")
        + chartRow(PadLeft(QString::number(age), width - 1) + u' ', age, answer.lunarMonth.number)
        + u'\n';
    return text;
}

QString LunarMonthText(const LunarMonthReply &reply, Wording wording)
{
    QString text = QString::number(reply.month.number) + u'\n';
    if (reply.month.calendar == lm::LunarCalendar::Extended)
        text += Word(QT_TRANSLATE_NOOP("KqPredict", "Calendar: %1"), wording)
                    .arg(extendedCalendarText(wording))
            + u'\n';
    return text;
}

QString LunarMonthExplanationText(const LunarMonthReply &reply)
{
    return KqPredict::tr("%1: %2", "a date, and the lunar month in force on it")
               .arg(formatted(reply.date), monthBeganText(reply.month))
        + u'\n' + calendarWorkingText(reply.month);
}

QString ChartText()
{
    const QString ageLabel = AgeHeading();
    const std::size_t width = labelWidth(ageLabel, 4);
    QString text
        = KqPredict::tr("Gender chart: mother's Chinese age at conception by lunar month of "
                        "conception")
        + u'\n' + monthHeader(ageLabel, width) + u'\n';
    for (int age = lm::YoungestChartAge; age <= lm::OldestChartAge; ++age)
        text += chartRow(PadRight(QString::number(age), width), age, 0) + u'\n';
    return text;
}

QString RejectionText(const Reply &reply)
{
    const ReplyOutcome outcome = OutcomeOf(reply);
    QString text
        = (reply.rejection ? RejectionMessage(*reply.rejection) : EngineWords::ageOutOfRange())
              .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        + u'\n';
    if (outcome == ReplyOutcome::AgeOutOfRange)
        text
            += KqPredict::tr("Mother's Chinese age: %1").arg(reply.answer.motherChineseAge) + u'\n';
    if (reply.estimate && outcome != ReplyOutcome::InvalidInput)
        text += KqPredict::tr("Conception (estimated): %1").arg(estimatedDateText(*reply.estimate))
            + u'\n';
    return text;
}

QString RejectionText(const LunarMonthReply &reply)
{
    return reply.rejection ? RejectionMessage(*reply.rejection) + u'\n' : QString();
}

} // namespace kq::cli
