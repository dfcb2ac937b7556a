// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reading and writing ISO dates for kq-predict.
#include "IsoDate.h"

#include <cstdio>

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
    DateSelection date;
    date.Year = digits(text, 0, 4);
    date.Month = digits(text, 5, 2);
    date.Day = digits(text, 8, 2);
    if (date.Month < 1 || date.Month > 12 || date.Day < 1 || date.Day > 31)
        return std::nullopt;
    return date;
}

std::optional<std::chrono::year_month_day> ParseCalendarDate(std::string_view text) noexcept
{
    const auto date = ParseIsoDate(text);
    if (!date)
        return std::nullopt;
    const std::chrono::year_month_day ymd {std::chrono::year {date->Year},
        std::chrono::month {static_cast<unsigned>(date->Month)},
        std::chrono::day {static_cast<unsigned>(date->Day)}};
    if (!ymd.ok())
        return std::nullopt;
    return ymd;
}

std::string FormatIsoDate(int year, int month, int day)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

} // namespace kq::cli
