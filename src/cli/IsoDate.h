// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Dates as kq-predict reads and writes them: ISO YYYY-MM-DD. Text becomes a date here, once,
// and a date becomes text here.
#pragma once

#include "Prediction.h"

#include <QString>

#include <chrono>
#include <optional>
#include <string_view>

namespace kq::cli {

// A date as the main window's lists would hold it: four-digit year, month 01 to 12, day 01 to
// 31. The day need not exist in its month: the main window's date check says so in its own
// words. No value for any other text.
std::optional<DateSelection> ParseIsoDate(std::string_view text) noexcept;

// A date that exists in the calendar, YYYY-MM-DD; no value otherwise.
std::optional<std::chrono::year_month_day> ParseCalendarDate(std::string_view text) noexcept;

QString FormatIsoDate(std::chrono::year_month_day date);
QString FormatIsoDate(const DateSelection &date);

} // namespace kq::cli
