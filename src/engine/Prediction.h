// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The prediction procedure: from the mother's date of birth and the date of conception, as
// chosen in the main window's lists, to her Chinese age, the lunar month of conception, the
// predicted gender, the baby's colour and the congratulation line. Window-free and clock-free:
// the caller passes today's date in.
#pragma once

#include "ChartSpan.h"
#include "Gender.h"
#include "LunarCalendar.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kq {

// One date as chosen in the three lists of the main window.
struct DateSelection
{
    int Day = 1; // 1 to 31; list position Day - 1
    int Month = 1; // 1 for "January" to 12 for "December"; list position Month - 1
    int Year = 1960; // the text of the year list, as a number
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

// The new-year step of the Chinese age: from 21 February of the conception year on, the age is
// one more than the difference of the years. The mother's birthday plays no part.
constexpr bool PassesNewYearStep(const DateSelection &conception) noexcept
{
    return conception.Month > 2 || (conception.Month == 2 && conception.Day >= 21);
}

// The mother's Chinese age at the conception, before it is held to the chart's ages.
constexpr long long ChineseAge(const DateSelection &birth, const DateSelection &conception) noexcept
{
    return static_cast<long long>(conception.Year) - birth.Year
        + (PassesNewYearStep(conception) ? 1 : 0);
}

enum class PredictionOutcome { Predicted, AgeOutOfRange };

// The two congratulation lines: fewer than nine calendar months from the conception to today,
// or nine and more.
enum class CongratulationLine : std::uint8_t { FewerThanNineMonths, NineMonthsOrMore };

// Calendar-month boundaries from the month of conception to today's month (days play no
// part): fewer than nine give the first line; a conception in the future gives it too.
constexpr CongratulationLine CongratulationLineFor(
    const DateSelection &conception, std::chrono::year_month_day now) noexcept
{
    const long long months
        = (static_cast<long long>(static_cast<int>(now.year())) - conception.Year) * 12
        + (static_cast<long long>(static_cast<unsigned>(now.month())) - conception.Month);
    return months < 9 ? CongratulationLine::FewerThanNineMonths
                      : CongratulationLine::NineMonthsOrMore;
}

// A prediction as values, without a word of text: what decides every answer the program
// gives. Two predictions with equal answers are shown alike.
struct PredictionAnswer
{
    PredictionOutcome outcome = PredictionOutcome::AgeOutOfRange;
    std::int16_t motherChineseAge = 0; // also for AgeOutOfRange
    // The rest only for Predicted.
    std::int16_t lunarMonth = 0; // 0 while no calendar has found a month in this run
    modDurorurOzivurediRuvidevo::LunarCalendar calendar
        = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
    // Published reckonings put the first day of the lunar month one day apart.
    bool startDisputed = false;
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

// The colour's own name: "Blue" for a boy, "Pink" for a girl.
constexpr std::string_view BabyColourNameText(Gender gender) noexcept
{
    return gender == Gender::Boy ? std::string_view("Blue") : std::string_view("Pink");
}

// The two congratulation lines. The result window starts with the second.
inline constexpr std::string_view FewerThanNineMonthsText
    = "Congratulations!! Your predicted to have a Baby";
inline constexpr std::string_view NineMonthsOrMoreText
    = "Congratulations!! Your Baby is predicted to be a";

constexpr std::string_view CongratulationText(CongratulationLine line) noexcept
{
    return line == CongratulationLine::FewerThanNineMonths ? FewerThanNineMonthsText
                                                           : NineMonthsOrMoreText;
}

// The age message shown when the mother's Chinese age is outside 18 to 45; its second line
// is also the reminder under the main window's banner.
inline constexpr std::string_view AgeOutOfRangeText
    = "                      Check The Date Of Conception.\r\n"
      "Mother's Age Must Be Between 18 to 45 at Time Of Conception !";
inline constexpr std::string_view AgeRangeText
    = AgeOutOfRangeText.substr(AgeOutOfRangeText.find('\n') + 1);

// The prediction with the program's own texts, all filled from Answer; a window may word the
// gender and the congratulation line itself from Answer's values.
struct PredictionResult
{
    PredictionOutcome Outcome = PredictionOutcome::AgeOutOfRange;
    std::int16_t MotherChineseAge = 0; // also filled for AgeOutOfRange
    std::int16_t ConceptionLunarMonth = 0; // only for Predicted
    std::string Gender; // "Boy" or "Girl"; only for Predicted
    Rgb BabyColour; // only for Predicted
    std::string BabyColourName; // "Blue" or "Pink"; only for Predicted
    std::string CongratulationMessage; // only for Predicted
    // The calendar that gave the lunar month; only for Predicted.
    modDurorurOzivurediRuvidevo::LunarCalendar Calendar
        = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
    // The same prediction as values.
    PredictionAnswer Answer;
};

// The result with its texts for an answer; the texts stay empty for AgeOutOfRange.
PredictionResult MakePredictionResult(const PredictionAnswer &answer);

// Which of the date checks of the main window failed, with its message and the day list
// that receives the focus. The conception date is checked first.
struct DateCheckFailure
{
    enum class Focus { ConceptionDay, BirthDay };
    int check = 0; // 1 to 6, in the order they are made
    std::string_view message;
    Focus focus = Focus::ConceptionDay;
};

// The three messages of the date check.
inline constexpr std::string_view ConceptionDateMessage
    = "Please Enter Correct Date Of Conception !";
// The doubled "of" is the program's own wording for a 31st in a 30-day month.
inline constexpr std::string_view ConceptionDayOf31Message
    = "Please Enter Correct Date Of of Conception !";
inline constexpr std::string_view BirthDateMessage = "Please Enter Correct Date Of Birth !";

// The message of a date check (1 to 6, as DateCheckFailure::check counts them).
constexpr std::string_view DateCheckMessage(int check) noexcept
{
    if (check == 3)
        return ConceptionDayOf31Message;
    return check > 3 ? BirthDateMessage : ConceptionDateMessage;
}

// The six checks of the main window's date check, made in order; no value when both dates
// exist in the calendar.
std::optional<DateCheckFailure> CheckDateSelections(const DateSelection &birth,
    const DateSelection &conception, LeapYearRule rule = LeapYearRule::EveryFourthYear) noexcept;

// The three checks of the conception date alone (checks 1 to 3).
std::optional<DateCheckFailure> CheckConceptionDate(
    const DateSelection &conception, LeapYearRule rule = LeapYearRule::EveryFourthYear) noexcept;

// The engine's four variables, created once for the whole run of the program.
// ConceptionLunarMonth starts at 0 and is never reset: a prediction whose conception date
// no calendar covers keeps the month of the previous prediction.
class PredictionState
{
public:
    std::optional<std::chrono::year_month_day> MotherDateOfBirth;
    std::optional<std::chrono::year_month_day> ConceptionDate;
    std::int16_t MotherChineseAge = 0;
    std::int16_t ConceptionLunarMonth = 0;

    // Stores the lunar month of the date in ConceptionLunarMonth, or leaves it unchanged
    // when no calendar has a month for the date (a year outside 1901 to 2099). Inside 1960 to
    // 2012 the month comes from the program's own table.
    void ApplyLunarMonthTable(int year, int month, int day) noexcept;

    // The whole procedure, answered as values. `now` is today's date (only its year and month
    // are used).
    PredictionAnswer AnswerPrediction(const DateSelection &birth, const DateSelection &conception,
        std::chrono::year_month_day now) noexcept;
    // The same for two dates that exist in the calendar (both ok()).
    PredictionAnswer AnswerPrediction(std::chrono::year_month_day birth,
        std::chrono::year_month_day conception, std::chrono::year_month_day now) noexcept;

    // The whole procedure with the program's texts: MakePredictionResult(AnswerPrediction()).
    PredictionResult PredictBabyGender(const DateSelection &birth, const DateSelection &conception,
        std::chrono::year_month_day now);

private:
    // The procedure from the age on, once the dates are stored.
    PredictionAnswer answerFrom(const DateSelection &birth, const DateSelection &conception,
        std::chrono::year_month_day now) noexcept;
    // ApplyLunarMonthTable, telling which calendar answered and whether the month's start is
    // disputed (Classic and undisputed when none did).
    void applyLunarMonth(int year, int month, int day, PredictionAnswer &answer) noexcept;
};

} // namespace kq
