// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Estimating the day of conception from a due date or from the first day of the last
// menstrual period. Naegele's rule puts the due date 280 days after the first day of the last
// period; conception is taken to fall about 14 days after that day, so 266 days (38 weeks)
// before the due date.
#pragma once

#include <chrono>

namespace kq {

inline constexpr int DaysFromLastPeriodToDueDate = 280;
inline constexpr int DaysFromLastPeriodToConception = 14;
inline constexpr int DaysFromConceptionToDueDate
    = DaysFromLastPeriodToDueDate - DaysFromLastPeriodToConception;

constexpr std::chrono::year_month_day ConceptionFromDueDate(
    std::chrono::year_month_day due) noexcept
{
    return std::chrono::sys_days(due) - std::chrono::days(DaysFromConceptionToDueDate);
}

constexpr std::chrono::year_month_day ConceptionFromLastPeriod(
    std::chrono::year_month_day lastPeriod) noexcept
{
    return std::chrono::sys_days(lastPeriod) + std::chrono::days(DaysFromLastPeriodToConception);
}

} // namespace kq
