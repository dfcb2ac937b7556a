// The two lookups of the prediction's reference data.
#include "modDurorurOzivurediRuvidevo.h"

namespace modDurorurOzivurediRuvidevo {

std::optional<std::int16_t> LookUpLunarMonth(int year, int month, int day) noexcept
{
    if (year < FirstTableYear || year > LastTableYear)
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

std::optional<std::string_view> LookUpGender(std::int16_t age, std::int16_t lunarMonth) noexcept
{
    if (age < YoungestChartAge || age > OldestChartAge || lunarMonth < 1 || lunarMonth > 12)
        return std::nullopt;
    const ChartGender cell = GenderChart[static_cast<std::size_t>(age - YoungestChartAge)]
                                        [static_cast<std::size_t>(lunarMonth - 1)];
    return cell == ChartGender::Boy ? std::string_view("Boy") : std::string_view("Girl");
}

} // namespace modDurorurOzivurediRuvidevo
