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
#include "Rejection.h"

namespace kq::cli {

std::optional<ConceptionEstimate> EstimateConception(EstimatedFrom from,
    std::optional<DateSelection> typed, int firstYear, int lastYear, Rejection &rejection)
{
    const std::optional<std::chrono::year_month_day> given
        = typed ? std::optional(CalendarDateOf(*typed)) : std::nullopt;
    if (!given || !given->ok()) {
        rejection = Rejection {};
        rejection.reason = RejectionReason::EstimateNotADate;
        rejection.from = from;
        return std::nullopt;
    }
    ConceptionEstimate estimate;
    estimate.from = from;
    estimate.given = *given;
    estimate.conception = from == EstimatedFrom::DueDate ? ConceptionFromDueDate(*given)
                                                         : ConceptionFromLastPeriod(*given);
    const std::chrono::year year = estimate.conception.year();
    if (year < std::chrono::year {firstYear} || year > std::chrono::year {lastYear}) {
        rejection = Rejection {};
        rejection.reason = RejectionReason::EstimateOutside;
        rejection.from = from;
        rejection.firstYear = firstYear;
        rejection.lastYear = lastYear;
        rejection.estimate = estimate;
        return std::nullopt;
    }
    return estimate;
}

const char *EstimatedFromName(EstimatedFrom from)
{
    return from == EstimatedFrom::DueDate ? "dueDate" : "lastPeriod";
}

} // namespace kq::cli
