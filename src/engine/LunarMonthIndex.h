// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The search of a table of lunar-month starts, answered in constant time: the table's rows are
// packed, when the program is compiled, into one 16-bit word per Gregorian month, holding the
// lunar month in force when the Gregorian month begins and the (at most two) days within it on
// which a lunar month begins.
#pragma once

#include "LunarMonthInForce.h"
#include "LunarYear.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace modDurorurOzivurediRuvidevo {

template <std::size_t Years>
class LunarMonthIndex
{
public:
    // startBefore: the start of the month in force on the table's first day, when the calendar
    // knows it (no value when it does not).
    constexpr LunarMonthIndex(
        const std::array<LunarYear, Years> &rows, std::optional<LunarStartBeforeSpan> startBefore)
        : m_firstYear(rows[0].year)
    {
        if (startBefore)
            m_startBefore = *startBefore;
        m_startBeforeKnown = startBefore.has_value();
        // The number in force before the table's first start of its first year.
        std::uint16_t carried = static_cast<std::uint16_t>(rows[0].numberOnFirstJanuary);
        if (rows[0].startCount > 0 && rows[0].starts[0].month == 1 && rows[0].starts[0].day == 1)
            carried = static_cast<std::uint16_t>((carried + 10) % 12 + 1);
        for (std::size_t y = 0; y < Years; ++y) {
            const LunarYear &row = rows[y];
            std::size_t s = 0;
            for (std::size_t m = 0; m < 12; ++m) {
                std::uint16_t first = NoStart;
                std::uint16_t second = NoStart;
                std::uint16_t number = carried;
                while (s < row.startCount && row.starts[s].month == m + 1) {
                    if (second != NoStart)
                        m_packed = false; // a third start in one Gregorian month
                    (first == NoStart ? first : second) = row.starts[s].day;
                    number = static_cast<std::uint16_t>(row.starts[s].number);
                    ++s;
                }
                m_words[y * 12 + m] = static_cast<std::uint16_t>(
                    carried | first << FirstShift | second << SecondShift);
                carried = number;
            }
        }
    }

    // False when a Gregorian month holds more starts than a word can hold.
    constexpr bool isPacked() const noexcept { return m_packed; }

    // The one search: the month in force with its start (the calendar and the dispute are the
    // caller's to fill). The date must exist and lie within the table's years.
    constexpr LunarMonthInForce find(int year, int month, int day, bool withStart) const noexcept
    {
        const std::size_t at = static_cast<std::size_t>(year - m_firstYear) * 12
            + static_cast<std::size_t>(month - 1);
        const std::uint16_t word = m_words[at];
        const int first = word >> FirstShift & DayMask;
        const int second = word >> SecondShift & DayMask;
        int number = (word & NumberMask) + (day >= first) + (day >= second);
        if (number > 12)
            number -= 12;
        LunarMonthInForce found {static_cast<std::int16_t>(number)};
        if (!withStart)
            return found;
        if (day >= first)
            return withStartOn(found, year, month, day >= second ? second : first);
        // The month began in an earlier Gregorian month: the latest start before this one.
        for (std::size_t before = at; before-- > 0;) {
            const std::uint16_t earlier = m_words[before];
            const int firstBefore = earlier >> FirstShift & DayMask;
            if (firstBefore == NoStart)
                continue;
            const int secondBefore = earlier >> SecondShift & DayMask;
            return withStartOn(found, m_firstYear + static_cast<int>(before / 12),
                static_cast<int>(before % 12) + 1,
                secondBefore == NoStart ? firstBefore : secondBefore);
        }
        if (m_startBeforeKnown)
            return withStartOn(found, m_startBefore.year, m_startBefore.month, m_startBefore.day);
        return found;
    }

private:
    static constexpr LunarMonthInForce withStartOn(
        LunarMonthInForce found, int year, int month, int day) noexcept
    {
        found.start = std::chrono::year {year} / month / day;
        return found;
    }

    static constexpr std::uint16_t NoStart = 63; // later than any day, so never reached
    static constexpr int NumberMask = 0xF;
    static constexpr int DayMask = 0x3F;
    static constexpr int FirstShift = 4;
    static constexpr int SecondShift = 10;

    std::array<std::uint16_t, Years * 12> m_words {};
    int m_firstYear = 0;
    bool m_startBeforeKnown = false;
    bool m_packed = true;
    LunarStartBeforeSpan m_startBefore {};
};

} // namespace modDurorurOzivurediRuvidevo
