// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The two lookups of the prediction's reference data.
// The lunar month of a date comes from the program's own table or from the official calendar.
#include "modDurorurOzivurediRuvidevo.h"

#include "LunarMonthIndex.h"

namespace modDurorurOzivurediRuvidevo {

namespace {

constexpr LunarMonthIndex<LunarMonthTable.size()> ClassicIndex {LunarMonthTable, std::nullopt};
constexpr LunarMonthIndex<ExtendedLunarMonthTable.size()> ExtendedIndex {
    ExtendedLunarMonthTable, ExtendedStartBeforeSpan};
static_assert(ClassicIndex.isPacked() && ExtendedIndex.isPacked(),
    "no Gregorian month may hold more than two lunar-month starts");

constexpr bool exists(int year, int month, int day) noexcept
{
    return month >= 1 && month <= 12 && day >= 1 && day <= LunarRows::daysInMonth(year, month);
}

constexpr int dateKey(int year, int month, int day) noexcept
{
    return year * 10000 + month * 100 + day;
}

constexpr int dateKey(std::chrono::year_month_day date) noexcept
{
    return dateKey(static_cast<int>(date.year()),
        static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())));
}

// A disputed day itself, or a month that began on such a day or on the day after it.
constexpr bool isDisputed(int date, int start) noexcept
{
    for (const DisputedDay &d : DisputedDays) {
        const int disputed = dateKey(d.year, d.month, d.day);
        if (date == disputed || start == disputed || start == disputed + 1)
            return true;
    }
    return false;
}
// The day after each disputed day lies in the same Gregorian month (so dateKey + 1 names it).
static_assert([] {
    for (const DisputedDay &d : DisputedDays)
        if (d.day >= LunarRows::daysInMonth(d.year, d.month))
            return false;
    return true;
}());

} // namespace

std::optional<std::int16_t> LookUpLunarMonth(int year, int month, int day) noexcept
{
    if (year < FirstTableYear || year > LastTableYear || !exists(year, month, day))
        return std::nullopt;
    return ClassicIndex.find(year, month, day, false).number;
}

std::optional<LunarMonthInForce> LookUpLunarMonthInForce(int year, int month, int day) noexcept
{
    if (year < FirstExtendedYear || year > LastExtendedYear || !exists(year, month, day))
        return std::nullopt;
    const bool classic = year >= FirstTableYear && year <= LastTableYear;
    LunarMonthInForce found = classic ? ClassicIndex.find(year, month, day, true)
                                      : ExtendedIndex.find(year, month, day, true);
    found.calendar = classic ? LunarCalendar::Classic : LunarCalendar::Extended;
    if (year >= DisputedDays.front().year && year <= DisputedDays.back().year + 1) {
        found.startDisputed
            = isDisputed(dateKey(year, month, day), found.start ? dateKey(*found.start) : 0);
    }
    return found;
}

std::optional<kq::Gender> LookUpGender(int age, int lunarMonth) noexcept
{
    if (age < YoungestChartAge || age > OldestChartAge || lunarMonth < 1 || lunarMonth > 12)
        return std::nullopt;
    return GenderChart[static_cast<std::size_t>(age - YoungestChartAge)]
                      [static_cast<std::size_t>(lunarMonth - 1)];
}

} // namespace modDurorurOzivurediRuvidevo
