// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A date of the desktop's calendar (QDate) as the engine takes it. Header-only and Qt Core
// only, so that the command-line front end can use it without the windows.
#pragma once

#include <QDate>

#include <chrono>

namespace kq {

inline std::chrono::year_month_day ToYearMonthDay(const QDate &date)
{
    return std::chrono::year_month_day {std::chrono::year {date.year()},
        std::chrono::month {static_cast<unsigned>(date.month())},
        std::chrono::day {static_cast<unsigned>(date.day())}};
}

} // namespace kq
