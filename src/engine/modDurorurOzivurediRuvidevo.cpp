// The two lookups of the prediction's reference data.
#include "modDurorurOzivurediRuvidevo.h"

namespace modDurorurOzivurediRuvidevo {

namespace {

// A month and day that a list position can name (1 to 12, 1 to 31). Anything else names no
// date, and is kept away from the month * 100 + day arithmetic of the lookups.
bool IsListedMonthAndDay(int month, int day) noexcept
{
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

} // namespace

std::optional<std::int16_t> LookUpLunarMonth(int year, int month, int day) noexcept
{
    if (year < FirstTableYear || year > LastTableYear || !IsListedMonthAndDay(month, day))
        return std::nullopt;
    const LunarYear &row = LunarMonthTable[static_cast<std::size_t>(year - FirstTableYear)];
    const int date = month * 100 + day;
    std::int16_t number = row.numberOnFirstJanuary;
    for (std::size_t s = 0; s < row.startCount; ++s) {
        const LunarMonthStart &start = row.starts[s];
        if (start.month * 100 + start.day > date)
            break;
        number = start.number;
    }
    return number;
}

std::optional<LunarMonthInForce> LookUpLunarMonthInForce(int year, int month, int day) noexcept
{
    if (year < FirstTableYear || year > LastTableYear || !IsListedMonthAndDay(month, day))
        return std::nullopt;
    const LunarYear &row = LunarMonthTable[static_cast<std::size_t>(year - FirstTableYear)];
    const int date = month * 100 + day;
    std::size_t found = 0; // one past the latest start on or before the date
    while (found < row.startCount && row.starts[found].month * 100 + row.starts[found].day <= date)
        ++found;
    LunarMonthInForce result;
    if (found > 0) {
        const LunarMonthStart &start = row.starts[found - 1];
        result = {start.number, true, year, start.month, start.day};
    } else if (year > FirstTableYear) {
        // The month in force on 1 January began with the last start of the year before.
        const LunarYear &before
            = LunarMonthTable[static_cast<std::size_t>(year - 1 - FirstTableYear)];
        const LunarMonthStart &start = before.starts[before.startCount - 1];
        result = {start.number, true, year - 1, start.month, start.day};
    } else {
        result.number = row.numberOnFirstJanuary;
    }
    return result;
}

std::optional<std::string_view> LookUpGender(std::int16_t age, std::int16_t lunarMonth) noexcept
{
    if (age < YoungestChartAge || age > OldestChartAge || lunarMonth < 1 || lunarMonth > 12)
        return std::nullopt;
    const ChartGender cell = GenderChart[static_cast<std::size_t>(age - YoungestChartAge)]
                                        [static_cast<std::size_t>(lunarMonth - 1)];
    return cell == ChartGender::Boy ? std::string_view("Boy") : std::string_view("Girl");
}

} // namespace modDurorurOzivurediRuvidevo
