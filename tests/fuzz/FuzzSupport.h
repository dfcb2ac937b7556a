// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What the fuzz targets share: the span of years kq-predict accepts (kept here once), the
// check that stops a target when a property breaks, the independent date reading the
// properties compare against, and the splitting of one input into several values.
#pragma once

#include "Prediction.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kq::fuzz {

// The years kq-predict accepts: births from FirstBirthYear, conceptions from
// FirstConceptionYear, both to LastYear; with a conception in the main window's years the birth
// is held to the main window's list (BirthYearAccepted). The only place the fuzz targets name
// the span.
inline constexpr int FirstBirthYear = kq::FirstExtendedBirthYear;
inline constexpr int FirstConceptionYear = kq::FirstExtendedConceptionYear;
inline constexpr int LastYear = kq::LastExtendedYear;

inline bool BirthYearAccepted(int birthYear, int conceptionYear)
{
    if (conceptionYear >= kq::FirstConceptionListYear && conceptionYear <= kq::LastListYear)
        return birthYear >= kq::FirstBirthListYear && birthYear <= kq::LastListYear;
    return birthYear >= FirstBirthYear && birthYear <= LastYear;
}

// A broken property: says which, and ends the process abnormally so that libFuzzer keeps the
// input (and the ordinary test driver fails).
[[noreturn]] inline void Fail(const char *property, const std::string &detail = {})
{
    std::fprintf(stderr, "broken property: %s\n", property);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool holds, const char *property, const std::string &detail = {})
{
    if (!holds)
        Fail(property, detail);
}

// A date written exactly as YYYY-MM-DD that exists in the calendar, read by Qt (not by the
// code under test) and handed over as a std::chrono date. Only texts that Qt writes back
// unchanged count, so a space or a one-digit month never passes; Qt writes a year before 1
// with a sign, so those are left out too (every span of the program lies far above them).
inline std::optional<std::chrono::year_month_day> CanonicalDate(std::string_view text)
{
    if (text.size() != 10) // the length of every such text (and a quick way out)
        return std::nullopt;
    const QString written = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QString format = QStringLiteral("yyyy-MM-dd");
    const QDate date = QDate::fromString(written, format);
    if (!date.isValid() || date.year() < 1 || date.toString(format) != written)
        return std::nullopt;
    const std::chrono::year_month_day ymd {std::chrono::year {date.year()},
        std::chrono::month {static_cast<unsigned>(date.month())},
        std::chrono::day {static_cast<unsigned>(date.day())}};
    Check(ymd.ok(), "Qt and std::chrono agree on which dates exist", text.data());
    return ymd;
}

inline int YearOf(const std::chrono::year_month_day &date)
{
    return static_cast<int>(date.year());
}

// The input as `count` values: each value runs to a backslash followed by any character
// other than a backslash; "\\" stands for one backslash. The last value takes the rest.
// (The same scheme as LLVM's FuzzedDataProvider::ConsumeRandomLengthString, so any bytes can
// be written, and a mutation rarely changes the number of values.)
inline std::vector<std::string> SplitValues(const std::uint8_t *data, std::size_t size, int count)
{
    std::vector<std::string> values(static_cast<std::size_t>(count));
    std::size_t at = 0;
    for (int v = 0; v < count; ++v) {
        std::string &value = values[static_cast<std::size_t>(v)];
        while (at < size) {
            const char c = static_cast<char>(data[at++]);
            if (c == '\\' && v + 1 < count && at < size) {
                const char next = static_cast<char>(data[at++]);
                if (next != '\\')
                    break;
            }
            value += c;
        }
    }
    return values;
}

// Hex of bytes, for the messages of broken properties.
inline std::string Hex(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

} // namespace kq::fuzz
