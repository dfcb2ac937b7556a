// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The lunar month in force on a date together with the Gregorian day on which it began: what
// a search of a lunar-month table finds, and what the lookup hands out with the calendar that
// answered and whether published reckonings dispute the month's first day.
#pragma once

#include "LunarCalendar.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace modDurorurOzivurediRuvidevo {

struct LunarMonthInForce
{
    std::int16_t number = 0;
    // The day the month began, which may lie in the year before; for the month in force from
    // 1 January 1960 to 27 January 1960 the program's table does not say (no value).
    std::optional<std::chrono::year_month_day> start {};
    LunarCalendar calendar = LunarCalendar::Classic;
    // The start is one of the days on which published reckonings differ by one day (see
    // DisputedDays), or the date itself is such a day.
    bool startDisputed = false;

    friend constexpr bool operator==(const LunarMonthInForce &, const LunarMonthInForce &)
        = default;
};

} // namespace modDurorurOzivurediRuvidevo
