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

std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text) noexcept
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
    return std::chrono::year_month_day {std::chrono::year {digits(text, 0, 4)},
        std::chrono::month {static_cast<unsigned>(month)},
        std::chrono::day {static_cast<unsigned>(day)}};
}

std::optional<std::chrono::year_month_day> ParseCalendarDate(std::string_view text) noexcept
{
    const auto date = ParseIsoDate(text);
    if (!date || !date->ok())
        return std::nullopt;
    return date;
}

std::string FormatIsoDate(std::chrono::year_month_day date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

} // namespace kq::cli
