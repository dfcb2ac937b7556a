// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Text for people: the prediction, its working and the gender chart.
#include "TextOutput.h"

#include "DueDate.h"
#include "IsoDate.h"
#include "Messages.h"
#include "TextColumns.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <sstream>

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
    return gender ? std::string(GenderText(*gender)) : std::string("-");
}

std::string extendedYears()
{
    return std::to_string(lm::FirstExtendedYear) + " to " + std::to_string(lm::LastExtendedYear);
}

std::string classicYears()
{
    return std::to_string(lm::FirstTableYear) + " to " + std::to_string(lm::LastTableYear);
}

std::string formatted(const DateSelection &date)
{
    return FormatIsoDate(CalendarDateOf(date));
}

std::string monthHeader(const char *label)
{
    std::string header = label;
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
        return "the table has no lunar month for " + formatted(date);
    std::string text = "lunar month " + std::to_string(inForce->number);
    if (inForce->startKnown)
        return text + ", which began on "
            + formatted(DateSelection {inForce->startDay, inForce->startMonth, inForce->startYear});
    return text + ", which began before "
        + formatted(DateSelection {1, 1, modDurorurOzivurediRuvidevo::FirstTableYear})
        + ", where the table starts";
}

// The working's words on the calendar, only where the extended calendar answered: inside
// 1960 to 2012 the program's own table answers, and the working reads as it always has.
std::string calendarWorkingText(const DateSelection &date)
{
    const auto inForce = lm::LookUpLunarMonthInForce(date.Year, date.Month, date.Day);
    if (!inForce || inForce->calendar != lm::LunarCalendar::Extended)
        return {};
    std::string text = "  Calendar: extended, the official Chinese calendar of " + extendedYears()
        + " (the\n    program's own lunar-month table covers " + classicYears() + " only)\n";
    if (inForce->startDisputed)
        text += "  Disputed: published reckonings put the first day of this lunar month one day\n"
                "    apart (the new moon falls close to midnight in China); the official\n"
                "    calendar's day is taken\n";
    return text;
}

std::string estimatedDateText(const ConceptionEstimate &estimate)
{
    return FormatIsoDate(estimate.conception) + ", " + EstimateBasisText(estimate);
}

} // namespace

std::string ExtendedCalendarText()
{
    return "extended (the official Chinese calendar of " + extendedYears() + ")";
}

std::string PredictionText(const Reply &reply)
{
    const PredictionResult &result = reply.result;
    std::ostringstream text;
    if (reply.estimate)
        text << "Conception (estimated):    " << estimatedDateText(*reply.estimate) << '\n';
    text << "Mother's Chinese age:      " << result.MotherChineseAge << '\n'
         << "Lunar month of conception: " << result.ConceptionLunarMonth << '\n';
    if (result.Calendar == lm::LunarCalendar::Extended)
        text << "Calendar:                  " << ExtendedCalendarText() << '\n';
    text << "Gender:                    " << result.Gender << '\n'
         << "Colour:                    " << result.BabyColourName
         << '\n'
         // The result window shows the gender right after the congratulation line.
         << result.CongratulationMessage << ' ' << result.Gender << '\n';
    return text.str();
}

std::string ExplanationText(const Reply &reply)
{
    const DateSelection &birth = reply.birth;
    const DateSelection &conception = reply.conception;
    const int baseAge = conception.Year - birth.Year;
    const bool newYearStep = PassesNewYearStep(conception);
    std::ostringstream text;
    text << "How it was worked out:\n";
    if (reply.estimate) {
        // The rule as ConceptionEstimate.cpp gives it, with its sources.
        text << "  Estimated conception: " << estimatedDateText(*reply.estimate) << '\n'
             << "    (by Naegele's rule the due date is " << DaysFromLastPeriodToDueDate
             << " days after the first day of the last\n"
             << "    period, and conception falls about " << DaysFromLastPeriodToConception
             << " days after that day: an estimate)\n";
    }
    text << "  Base age: " << conception.Year << " - " << birth.Year << " = " << baseAge
         << " (year of conception minus year of birth; the birthday plays no part)\n";
    if (newYearStep)
        text << "  New-year step: +1, conceived on or after 21 February: Chinese age "
             << baseAge + 1 << '\n';
    else
        text << "  New-year step: none, conceived before 21 February: Chinese age " << baseAge
             << '\n';
    text << "  Conceived on " << formatted(conception) << ": " << monthBeganText(conception) << '\n'
         << calendarWorkingText(conception);
    const int age = reply.result.MotherChineseAge;
    text << "  Chart row for age " << age << ", month of conception in brackets:\n"
         << "  " << monthHeader("Month ") << '\n'
         << "  "
         << chartRow(PadLeft(std::to_string(age), 5) + " ", age, reply.result.ConceptionLunarMonth)
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
    text << "Gender chart: mother's Chinese age at conception by lunar month of conception\n"
         << monthHeader("Age ") << '\n';
    for (int age = lm::YoungestChartAge; age <= lm::OldestChartAge; ++age)
        text << chartRow(std::to_string(age) + "  ", age, 0) << '\n';
    return text.str();
}

std::string RejectionText(const Reply &reply)
{
    std::string message = RejectionMessage(reply.rejection);
    for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;)
        message.replace(at, 2, "\n");
    message += '\n';
    if (reply.outcome == ReplyOutcome::AgeOutOfRange)
        message += "Mother's Chinese age: " + std::to_string(reply.result.MotherChineseAge) + '\n';
    if (reply.estimate && reply.outcome != ReplyOutcome::InvalidInput)
        message += "Conception (estimated): " + estimatedDateText(*reply.estimate) + '\n';
    return message;
}

} // namespace kq::cli
