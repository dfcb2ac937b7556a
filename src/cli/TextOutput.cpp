// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Text for people: the prediction, its working and the gender chart.
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
#include <sstream>
#include <utility>

namespace kq::cli {

namespace lm = modDurorurOzivurediRuvidevo;

namespace {

constexpr int CellWidth = 7;

std::string trimmedRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string genderOf(int age, int month)
{
    const auto gender = lm::LookUpChartGender(age, month);
    return gender ? Say(EngineWords::gender(*gender)) : std::string("-");
}

QString extendedYears()
{
    return KqPredict::tr("%1 to %2").arg(lm::FirstExtendedYear).arg(lm::LastExtendedYear);
}

QString classicYears()
{
    return KqPredict::tr("%1 to %2").arg(lm::FirstTableYear).arg(lm::LastTableYear);
}

std::string formatted(const DateSelection &date)
{
    return FormatIsoDate(CalendarDateOf(date));
}

// The width of the label column of the chart's rows: the label and a space, or `least`.
std::size_t labelWidth(const std::string &label, std::size_t least)
{
    return std::max(DisplayWidth(label) + 1, least);
}

std::string monthHeader(const std::string &label, std::size_t width)
{
    std::string header = PadRight(label, width);
    for (int month = 1; month <= 12; ++month)
        header += PadLeft(std::to_string(month) + " ", CellWidth);
    return trimmedRight(header);
}

// The chart's row for an age; the cell of `marked` (0: none) in brackets.
std::string chartRow(const std::string &label, int age, int marked)
{
    std::string row = label;
    for (int month = 1; month <= 12; ++month) {
        const std::string gender = genderOf(age, month);
        row += PadLeft(month == marked ? "[" + gender + "]" : gender + " ", CellWidth);
    }
    return trimmedRight(row);
}

std::string monthBeganText(const DateSelection &date)
{
    const auto inForce = lm::LookUpLunarMonthInForce(date.Year, date.Month, date.Day);
    if (!inForce)
        return Say(KqPredict::tr("the table has no lunar month for %1")
                       .arg(QString::fromStdString(formatted(date))));
    if (inForce->startKnown)
        return Say(KqPredict::tr("lunar month %1, which began on %2")
                       .arg(inForce->number)
                       .arg(QString::fromStdString(formatted(DateSelection {
                           inForce->startDay, inForce->startMonth, inForce->startYear}))));
    return Say(KqPredict::tr("lunar month %1, which began before %2, where the table starts")
                   .arg(inForce->number)
                   .arg(QString::fromStdString(formatted(
                       DateSelection {1, 1, modDurorurOzivurediRuvidevo::FirstTableYear}))));
}

// The working's words on the calendar, only where the extended calendar answered: inside
// 1960 to 2012 the program's own table answers, and the working reads as it always has.
std::string calendarWorkingText(const DateSelection &date)
{
    const auto inForce = lm::LookUpLunarMonthInForce(date.Year, date.Month, date.Day);
    if (!inForce || inForce->calendar != lm::LunarCalendar::Extended)
        return {};
    std::string text
        = Say(KqPredict::tr("  Calendar: extended, the official Chinese calendar of %1 (the\n"
                            "    program's own lunar-month table covers %2 only)\n")
                  .arg(extendedYears(), classicYears()));
    if (inForce->startDisputed)
        text += Say(KqPredict::tr(
            "  Disputed: published reckonings put the first day of this lunar month one "
            "day\n"
            "    apart (the new moon falls close to midnight in China); the official\n"
            "    calendar's day is taken\n"));
    return text;
}

std::string estimatedDateText(const ConceptionEstimate &estimate)
{
    return Say(KqPredict::tr("%1, %2", "the estimated date of conception, how it was estimated")
                   .arg(QString::fromStdString(FormatIsoDate(estimate.conception)),
                       QString::fromStdString(EstimateBasisText(estimate, Wording::UserLanguage))));
}

// Lines "Label:   value" with the values in one column, one space after the widest label.
std::string labelledLines(std::initializer_list<std::pair<std::string, std::string>> lines)
{
    std::size_t width = 0;
    for (const auto &line : lines)
        width = std::max(width, DisplayWidth(line.first) + 1);
    std::string text;
    for (const auto &[label, value] : lines)
        if (!value.empty())
            text += PadRight(label, width) + value + '\n';
    return text;
}

} // namespace

std::string ExtendedCalendarText()
{
    return Say(
        KqPredict::tr("extended (the official Chinese calendar of %1)").arg(extendedYears()));
}

std::string PredictionText(const Reply &reply)
{
    const PredictionResult &result = reply.result;
    const std::string gender = Say(EngineWords::gender(result.Answer.gender));
    // A line without a value is left out.
    std::string text = labelledLines({
        {Say(KqPredict::tr("Conception (estimated):")),
            reply.estimate ? estimatedDateText(*reply.estimate) : std::string()},
        {Say(KqPredict::tr("Mother's Chinese age:")), std::to_string(result.MotherChineseAge)},
        {Say(KqPredict::tr("Lunar month of conception:")),
            std::to_string(result.ConceptionLunarMonth)},
        {Say(KqPredict::tr("Calendar:")),
            result.Calendar == lm::LunarCalendar::Extended ? ExtendedCalendarText()
                                                           : std::string()},
        {Say(KqPredict::tr("Gender:")), gender},
        {Say(KqPredict::tr("Colour:")), Say(EngineWords::babyColour(result.Answer.gender))},
    });
    // The result window shows the gender right after the congratulation line.
    return text + Say(EngineWords::congratulation(result.Answer.congratulation)) + ' ' + gender
        + '\n';
}

std::string ExplanationText(const Reply &reply)
{
    const DateSelection &birth = reply.birth;
    const DateSelection &conception = reply.conception;
    const int baseAge = conception.Year - birth.Year;
    const bool newYearStep = PassesNewYearStep(conception);
    std::ostringstream text;
    text << Say(KqPredict::tr("How it was worked out:")) << '\n';
    if (reply.estimate) {
        // The rule as ConceptionEstimate.cpp gives it, with its sources.
        text << Say(KqPredict::tr("  Estimated conception: %1\n"
                                  "    (by Naegele's rule the due date is %2 days after the first "
                                  "day of the last\n"
                                  "    period, and conception falls about %3 days after that day: "
                                  "an estimate)\n")
                        .arg(QString::fromStdString(estimatedDateText(*reply.estimate)))
                        .arg(DaysFromLastPeriodToDueDate)
                        .arg(DaysFromLastPeriodToConception));
    }
    text << Say(
        KqPredict::tr("  Base age: %1 - %2 = %3 (year of conception minus year of birth; the "
                      "birthday plays no part)")
            .arg(conception.Year)
            .arg(birth.Year)
            .arg(baseAge))
         << '\n';
    if (newYearStep)
        text << Say(
            KqPredict::tr("  New-year step: +1, conceived on or after 21 February: Chinese age "
                          "%1")
                .arg(baseAge + 1))
             << '\n';
    else
        text << Say(
            KqPredict::tr("  New-year step: none, conceived before 21 February: Chinese age %1")
                .arg(baseAge))
             << '\n';
    text << Say(KqPredict::tr("  Conceived on %1: %2")
                    .arg(QString::fromStdString(formatted(conception)),
                        QString::fromStdString(monthBeganText(conception))))
         << '\n'
         << calendarWorkingText(conception);
    const int age = reply.result.MotherChineseAge;
    const std::string month = Say(KqPredict::tr("Month"));
    const std::size_t width = labelWidth(month, 6);
    text << Say(KqPredict::tr("  Chart row for age %1, month of conception in brackets:").arg(age))
         << '\n'
         << "  " << monthHeader(month, width) << '\n'
         << "  "
         << chartRow(PadLeft(std::to_string(age), width - 1) + " ", age,
                reply.result.ConceptionLunarMonth)
         << '\n';
    return text.str();
}

std::string LunarMonthExplanationText(const Reply &reply)
{
    const DateSelection &date = reply.conception;
    return formatted(date) + ": " + monthBeganText(date) + '\n' + calendarWorkingText(date);
}

std::string ChartText()
{
    std::ostringstream text;
    const std::string ageLabel = Say(KqPredict::tr("Age"));
    const std::size_t width = labelWidth(ageLabel, 4);
    text << Say(KqPredict::tr("Gender chart: mother's Chinese age at conception by lunar month of "
                              "conception"))
         << '\n'
         << monthHeader(ageLabel, width) << '\n';
    for (int age = lm::YoungestChartAge; age <= lm::OldestChartAge; ++age)
        text << chartRow(PadRight(std::to_string(age), width), age, 0) << '\n';
    return text.str();
}

std::string RejectionText(const Reply &reply)
{
    std::string message = RejectionMessage(reply.rejection, Wording::UserLanguage);
    for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;)
        message.replace(at, 2, "\n");
    message += '\n';
    if (reply.outcome == ReplyOutcome::AgeOutOfRange)
        message += Say(KqPredict::tr("Mother's Chinese age:")) + ' '
            + std::to_string(reply.result.MotherChineseAge) + '\n';
    if (reply.estimate && reply.outcome != ReplyOutcome::InvalidInput)
        message += Say(KqPredict::tr("Conception (estimated):")) + ' '
            + estimatedDateText(*reply.estimate) + '\n';
    return message;
}

} // namespace kq::cli
