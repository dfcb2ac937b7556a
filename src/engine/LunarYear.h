// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The rows of a table of lunar-month starts: one Gregorian year each, with the lunar month in
// force on 1 January and the days within the year on which a lunar month begins. Both of the
// program's calendars (its own table from 1960 to 2012 and the official calendar from 1901 to
// 2099) are written in these rows, and the checks below prove their shape when the program
// is compiled.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace modDurorurOzivurediRuvidevo {

// The Gregorian day on which a lunar month begins, with that month's number (1 to 12).
// A leap month has no start of its own: the month before it runs on through it.
struct LunarMonthStart
{
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::int16_t number = 0;
};

// One Gregorian year: the lunar month in force on 1 January and the starts within the year,
// in date order.
struct LunarYear
{
    int year = 0;
    std::int16_t numberOnFirstJanuary = 0;
    std::uint8_t startCount = 0;
    std::array<LunarMonthStart, 13> starts {};
};

// The start of the month in force on the first day of a table, when it lies before the table.
struct LunarStartBeforeSpan
{
    int year = 0;
    int month = 0;
    int day = 0;
    std::int16_t number = 0;
};

namespace LunarRows {

constexpr bool isLeapYear(int year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int daysInMonth(int year, int month) noexcept
{
    constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

constexpr long dayNumber(int year, int month, int day) noexcept
{
    return std::chrono::sys_days {std::chrono::year {year} / month / day}
        .time_since_epoch()
        .count();
}

// Consecutive years from firstYear; 11 to 13 starts a year, each on a day that exists, in
// date order, numbered 1 to 12.
template <std::size_t Years>
constexpr bool rowsAreWellFormed(const std::array<LunarYear, Years> &rows, int firstYear)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LunarYear &row = rows[i];
        if (row.year != firstYear + static_cast<int>(i))
            return false;
        if (row.startCount < 11 || row.startCount > 13)
            return false;
        if (row.numberOnFirstJanuary < 1 || row.numberOnFirstJanuary > 12)
            return false;
        for (std::size_t s = 0; s < row.startCount; ++s) {
            const LunarMonthStart &start = row.starts[s];
            if (start.month < 1 || start.month > 12 || start.day < 1
                || start.day > daysInMonth(row.year, start.month))
                return false;
            if (start.number < 1 || start.number > 12)
                return false;
            if (s > 0) {
                const LunarMonthStart &before = row.starts[s - 1];
                if (before.month * 100 + before.day >= start.month * 100 + start.day)
                    return false;
            }
        }
    }
    return true;
}

// Read as one calendar: every start gives the next number (12 is followed by 1), the number
// in force on 1 January is the one in force on 31 December (or that of a month beginning on
// 1 January itself), and every month lasts 29 or 30 days, or 58 to 60 when a leap month
// follows it. The month before the first start is only measured when its start is known.
template <std::size_t Years>
constexpr bool rowsFollowOn(
    const std::array<LunarYear, Years> &rows, std::optional<LunarStartBeforeSpan> startBefore)
{
    std::int16_t inForce = rows[0].numberOnFirstJanuary;
    if (rows[0].startCount > 0 && rows[0].starts[0].month == 1 && rows[0].starts[0].day == 1)
        inForce = static_cast<std::int16_t>((inForce + 10) % 12 + 1);
    bool startKnown = startBefore.has_value();
    long lastStart
        = startBefore ? dayNumber(startBefore->year, startBefore->month, startBefore->day) : 0;
    if (startBefore && startBefore->number != inForce)
        return false;
    for (const LunarYear &row : rows) {
        const bool startsOnFirstJanuary
            = row.startCount > 0 && row.starts[0].month == 1 && row.starts[0].day == 1;
        if (!startsOnFirstJanuary && row.numberOnFirstJanuary != inForce)
            return false;
        for (std::size_t s = 0; s < row.startCount; ++s) {
            const LunarMonthStart &start = row.starts[s];
            if (start.number != inForce % 12 + 1)
                return false;
            const long day = dayNumber(row.year, start.month, start.day);
            const long length = day - lastStart;
            if (startKnown && length != 29 && length != 30 && (length < 58 || length > 60))
                return false;
            if (s == 0 && startsOnFirstJanuary && row.numberOnFirstJanuary != start.number)
                return false;
            inForce = start.number;
            lastStart = day;
            startKnown = true;
        }
    }
    return true;
}

} // namespace LunarRows

} // namespace modDurorurOzivurediRuvidevo
