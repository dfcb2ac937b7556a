// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Estimating the date of conception for kq-predict --due and --last-period.
//
// Naegele's rule: the due date is 280 days (40 weeks) after the first day of the last
// menstrual period (American College of Obstetricians and Gynecologists, Committee Opinion
// No. 700, "Methods for Estimating the Due Date", 2017). In the 28-day cycle the rule assumes,
// ovulation and so conception fall about 14 days after that first day (the same opinion), which
// puts conception 266 days (38 weeks) before the due date.
#include "ConceptionEstimate.h"

#include "DueDate.h"
#include "IsoDate.h"

namespace kq::cli {

namespace {

std::string formatted(std::chrono::year_month_day date)
{
    return FormatIsoDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
        static_cast<int>(unsigned(date.day())));
}

const char *givenName(EstimatedFrom from)
{
    return from == EstimatedFrom::DueDate ? "due date" : "first day of the last period";
}

} // namespace

std::optional<ConceptionEstimate> EstimateConception(
    EstimatedFrom from, std::string_view text, int firstYear, int lastYear, std::string &error)
{
    const auto given = ParseCalendarDate(text);
    if (!given) {
        error = std::string("The ") + givenName(from)
            + " must be a date that exists, written YYYY-MM-DD";
        return std::nullopt;
    }
    ConceptionEstimate estimate;
    estimate.from = from;
    estimate.given = *given;
    estimate.conception = from == EstimatedFrom::DueDate ? ConceptionFromDueDate(*given)
                                                         : ConceptionFromLastPeriod(*given);
    const int year = static_cast<int>(estimate.conception.year());
    if (year < firstYear || year > lastYear) {
        error = "The estimated date of conception, " + formatted(estimate.conception) + " ("
            + EstimateBasisText(estimate) + "), must be in the years " + std::to_string(firstYear)
            + " to " + std::to_string(lastYear);
        return std::nullopt;
    }
    return estimate;
}

std::string EstimateBasisText(const ConceptionEstimate &estimate)
{
    if (estimate.from == EstimatedFrom::DueDate)
        return std::to_string(DaysFromConceptionToDueDate) + " days before the due date "
            + formatted(estimate.given);
    return std::to_string(DaysFromLastPeriodToConception)
        + " days after the first day of the last period " + formatted(estimate.given);
}

const char *EstimatedFromName(EstimatedFrom from)
{
    return from == EstimatedFrom::DueDate ? "dueDate" : "lastPeriod";
}

} // namespace kq::cli
