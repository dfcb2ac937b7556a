// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --due and --last-period: the date of conception estimated from the expected date
// of delivery or from the first day of the last menstrual period.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kq::cli {

enum class EstimatedFrom { DueDate, LastPeriod };

struct ConceptionEstimate
{
    EstimatedFrom from = EstimatedFrom::DueDate;
    std::chrono::year_month_day given; // the due date or the first day of the last period
    std::chrono::year_month_day conception;
};

// The estimate from a date written YYYY-MM-DD, or, in `error`, one line saying why there is
// none: the date is not written so or does not exist, or the estimate falls outside the
// conception years firstYear to lastYear.
std::optional<ConceptionEstimate> EstimateConception(
    EstimatedFrom from, std::string_view text, int firstYear, int lastYear, std::string &error);

// "266 days before the due date 2008-11-13", "14 days after the first day of the last period
// 2008-02-07".
std::string EstimateBasisText(const ConceptionEstimate &estimate);

// "dueDate" or "lastPeriod", as the JSON answers name it.
const char *EstimatedFromName(EstimatedFrom from);

} // namespace kq::cli
