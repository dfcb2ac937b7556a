// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reading and writing ISO dates for kq-predict.
#include "IsoDate.h"

namespace kq::cli {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digits(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

} // namespace

std::optional<DateSelection> ParseIsoDate(std::string_view text) noexcept
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(text[i]))
            return std::nullopt;
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return DateSelection {day, month, digits(text, 0, 4)};
}

std::optional<std::chrono::year_month_day> ParseCalendarDate(std::string_view text) noexcept
{
    const auto date = ParseIsoDate(text);
    if (!date || !CalendarDateOf(*date).ok())
        return std::nullopt;
    return CalendarDateOf(*date);
}

QString FormatIsoDate(std::chrono::year_month_day date)
{
    return FormatIsoDate(SelectionOf(date));
}

QString FormatIsoDate(const DateSelection &date)
{
    return QString::asprintf("%04d-%02d-%02d", date.Year, date.Month, date.Day);
}

} // namespace kq::cli
