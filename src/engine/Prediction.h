// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The prediction procedure: from the mother's date of birth and the date of conception, as
// chosen in the main window's lists, to her Chinese age, the lunar month of conception, the
// predicted gender, the baby's colour and the congratulation line. Window-free and clock-free:
// the caller passes today's date in.
#pragma once

#include "ChartSpan.h"
#include "Gender.h"
#include "LunarMonthInForce.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace kq {

// One date as chosen in the three lists of the main window.
struct DateSelection
{
    int Day = 1; // 1 to 31; list position Day - 1
    int Month = 1; // 1 for "January" to 12 for "December"; list position Month - 1
    int Year = 1960; // the text of the year list, as a number

    friend constexpr bool operator==(const DateSelection &, const DateSelection &) = default;
};

// The date a selection names, as a calendar date; it need not exist (30 February).
constexpr std::chrono::year_month_day CalendarDateOf(const DateSelection &selection) noexcept
{
    return std::chrono::year_month_day {std::chrono::year {selection.Year},
        std::chrono::month {static_cast<unsigned>(selection.Month)},
        std::chrono::day {static_cast<unsigned>(selection.Day)}};
}

// A calendar date as the main window's three lists would hold it.
constexpr DateSelection SelectionOf(std::chrono::year_month_day date) noexcept
{
    return DateSelection {static_cast<int>(static_cast<unsigned>(date.day())),
        static_cast<int>(static_cast<unsigned>(date.month())), static_cast<int>(date.year())};
}

// The year lists of the main window: births from 1915, conceptions over the years of the
// lunar-month table, both to its last year.
inline constexpr int FirstBirthListYear = 1915;
inline constexpr int FirstConceptionListYear = modDurorurOzivurediRuvidevo::FirstTableYear;
inline constexpr int LastListYear = modDurorurOzivurediRuvidevo::LastTableYear;

// The years an extended run offers: conceptions over the official calendar's span (held to its
// table where the engine is compiled), births from the oldest mother the chart knows before its
// first year.
inline constexpr int FirstExtendedConceptionYear = 1901;
inline constexpr int LastExtendedYear = 2099;
inline constexpr int FirstExtendedBirthYear
    = FirstExtendedConceptionYear - modDurorurOzivurediRuvidevo::OldestChartAge;

// How the date check tells a leap year. The main window's own rule takes every year divisible
// by 4, which is right for every year of its lists; the Gregorian rule also leaves out the
// century years not divisible by 400 (1900, 2100), which the extended lists reach.
enum class LeapYearRule : std::uint8_t { EveryFourthYear, Gregorian };

enum class PredictionOutcome { Predicted, AgeOutOfRange };

// The two congratulation lines: fewer than nine calendar months from the conception to today,
// or nine and more.
enum class CongratulationLine : std::uint8_t { FewerThanNineMonths, NineMonthsOrMore };

// A prediction as values, without a word of text: everything a caller words. Two predictions
// with equal answers are shown alike.
struct PredictionAnswer
{
    PredictionOutcome outcome = PredictionOutcome::AgeOutOfRange;
    std::int16_t motherChineseAge = 0; // also for AgeOutOfRange
    // The age counts one year more than the difference of the years: the conception fell on or
    // after 21 February (the new-year step). Also for AgeOutOfRange.
    bool newYearStep = false;
    // The rest only for Predicted.
    // The lunar month of conception, with the day it began, the calendar that gave it and
    // whether its start is disputed; number 0 while no calendar has found a month in this run,
    // and a month carried over from an earlier prediction has no start.
    modDurorurOzivurediRuvidevo::LunarMonthInForce lunarMonth;
    Gender gender = Gender::Boy;
    CongratulationLine congratulation = CongratulationLine::FewerThanNineMonths;

    friend constexpr bool operator==(const PredictionAnswer &, const PredictionAnswer &) = default;
};

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb BoyColour {0, 0, 255};
inline constexpr Rgb GirlColour {255, 105, 180};

constexpr Rgb BabyColourOf(Gender gender) noexcept
{
    return gender == Gender::Boy ? BoyColour : GirlColour;
}

// The six checks of the main window's date check, in the order they are made: three on the
// conception date, then the same three on the date of birth.
enum class DateCheck : std::uint8_t {
    ConceptionLeapFebruary, // the 30th or 31st of February in a leap year
    ConceptionFebruary, // the 29th to 31st of February in a common year
    ConceptionThirtyFirst, // the 31st of a 30-day month
    BirthLeapFebruary,
    BirthFebruary,
    BirthThirtyFirst,
};

// Whether a check is made on the date of birth (its day list receives the focus) rather than
// on the conception date.
constexpr bool ChecksTheBirthDate(DateCheck check) noexcept
{
    return check >= DateCheck::BirthLeapFebruary;
}

// The six checks of the main window's date check, made in order: the first that fails, or
// no value when both dates exist in the calendar.
std::optional<DateCheck> CheckDateSelections(const DateSelection &birth,
    const DateSelection &conception, LeapYearRule rule = LeapYearRule::EveryFourthYear) noexcept;

// The three checks of the conception date alone.
std::optional<DateCheck> CheckConceptionDate(
    const DateSelection &conception, LeapYearRule rule = LeapYearRule::EveryFourthYear) noexcept;

// The engine's variables, created once for the whole run of the program (the two dates are
// formed afresh by each prediction and kept nowhere). ConceptionLunarMonth starts at 0 and is never
// reset: a prediction whose conception date no calendar covers keeps the month of the previous
// prediction.
class PredictionState
{
public:
    std::int16_t MotherChineseAge = 0;
    std::int16_t ConceptionLunarMonth = 0;

    // Stores the lunar month of the date in ConceptionLunarMonth, or leaves it unchanged
    // when no calendar has a month for the date (a year outside 1901 to 2099). Inside 1960 to
    // 2012 the month comes from the program's own table.
    void ApplyLunarMonthTable(int year, int month, int day) noexcept;

    // The whole procedure, answered as values. `now` is today's date (only its year and month
    // are used).
    PredictionAnswer PredictBabyGender(const DateSelection &birth, const DateSelection &conception,
        std::chrono::year_month_day now) noexcept;

private:
    // ApplyLunarMonthTable, with the month's start, the calendar that answered and whether the
    // start is disputed (the month carried over, without a start, when none did).
    modDurorurOzivurediRuvidevo::LunarMonthInForce applyLunarMonth(
        int year, int month, int day) noexcept;
};

} // namespace kq
