// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --due and --last-period: the date of conception estimated from the expected date
// of delivery or from the first day of the last menstrual period.
#pragma once

#include "Prediction.h"

#include <chrono>
#include <optional>

namespace kq::cli {

struct Rejection;

enum class EstimatedFrom { DueDate, LastPeriod };

struct ConceptionEstimate
{
    EstimatedFrom from = EstimatedFrom::DueDate;
    std::chrono::year_month_day given; // the due date or the first day of the last period
    std::chrono::year_month_day conception;

    friend bool operator==(const ConceptionEstimate &, const ConceptionEstimate &) = default;
};

// The estimate from a date as typed (no value: not written YYYY-MM-DD), or, in `rejection`,
// why there is none: the date does not exist, or the estimate falls outside the conception
// years firstYear to lastYear.
std::optional<ConceptionEstimate> EstimateConception(EstimatedFrom from,
    std::optional<DateSelection> given, int firstYear, int lastYear, Rejection &rejection);

// "dueDate" or "lastPeriod", as the JSON answers name it.
const char *EstimatedFromName(EstimatedFrom from);

} // namespace kq::cli
