// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The prediction procedure and the date check of the main window's lists.
#include "Prediction.h"

#include "modDurorurOzivurediRuvidevo.h"

#include <algorithm>
#include <limits>

namespace kq {

// The conception lists offer exactly the years of the lunar-month table, or in an extended run
// those of the official calendar.
static_assert(FirstConceptionListYear == modDurorurOzivurediRuvidevo::FirstTableYear);
static_assert(LastListYear == modDurorurOzivurediRuvidevo::LastTableYear);
static_assert(FirstExtendedConceptionYear == modDurorurOzivurediRuvidevo::FirstExtendedYear);
static_assert(LastExtendedYear == modDurorurOzivurediRuvidevo::LastExtendedYear);
// The oldest mother of the chart, conceiving on the first day of the span: her Chinese age
// there is the difference of the years.
static_assert(FirstExtendedConceptionYear - FirstExtendedBirthYear
    == modDurorurOzivurediRuvidevo::OldestChartAge);

namespace {

using namespace std::chrono;

constexpr std::string_view ConceptionDateMessage = "Please Enter Correct Date Of Conception !";
// The doubled "of" is the program's own wording for a 31st in a 30-day month.
constexpr std::string_view ConceptionDayOf31Message
    = "Please Enter Correct Date Of of Conception !";
constexpr std::string_view BirthDateMessage = "Please Enter Correct Date Of Birth !";

constexpr std::string_view BoyText = "Boy";
constexpr std::string_view GirlText = "Girl";
constexpr std::string_view BlueText = "Blue";
constexpr std::string_view PinkText = "Pink";

// The date a selection names, when it exists in the calendar (Gregorian leap years).
std::optional<year_month_day> toDate(const DateSelection &selection)
{
    if (selection.Year < -32767 || selection.Year > 32767 || selection.Month < 1
        || selection.Month > 12 || selection.Day < 1)
        return std::nullopt;
    static constexpr int DaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int y = selection.Year;
    if (selection.Day > DaysInMonth[selection.Month - 1])
        return std::nullopt;
    if (selection.Month == 2 && selection.Day == 29
        && !(y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)))
        return std::nullopt;
    return year_month_day {year {y}, month {static_cast<unsigned>(selection.Month)},
        day {static_cast<unsigned>(selection.Day)}};
}

std::int16_t saturatedInt16(long long value)
{
    return static_cast<std::int16_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// The three checks for one date, by list positions as the main window reads them.
// 1: 30th/31st February of a leap year; 2: 29th to 31st February otherwise; 3: a 31st in a
// 30-day month.
int failedCheck(const DateSelection &date, LeapYearRule rule)
{
    // Wide enough for any int selection: a position is one less than its number.
    const long long dayPosition = static_cast<long long>(date.Day) - 1;
    const long long monthPosition = static_cast<long long>(date.Month) - 1;
    const bool leap = rule == LeapYearRule::Gregorian
        ? modDurorurOzivurediRuvidevo::LunarRows::isLeapYear(date.Year)
        : date.Year % 4 == 0;
    if (monthPosition == 1 && leap && dayPosition >= 29)
        return 1;
    if (monthPosition == 1 && !leap && dayPosition >= 28)
        return 2;
    if ((monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10)
        && dayPosition == 30)
        return 3;
    return 0;
}

} // namespace

std::optional<DateCheckFailure> CheckConceptionDate(
    const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (const int check = failedCheck(conception, rule)) {
        return DateCheckFailure {check,
            check == 3 ? ConceptionDayOf31Message : ConceptionDateMessage,
            DateCheckFailure::Focus::ConceptionDay};
    }
    return std::nullopt;
}

std::optional<DateCheckFailure> CheckDateSelections(
    const DateSelection &birth, const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (auto failure = CheckConceptionDate(conception, rule))
        return failure;
    if (const int check = failedCheck(birth, rule))
        return DateCheckFailure {check + 3, BirthDateMessage, DateCheckFailure::Focus::BirthDay};
    return std::nullopt;
}

void PredictionState::ApplyLunarMonthTable(int year, int month, int day) noexcept
{
    applyLunarMonth(year, month, day);
}

modDurorurOzivurediRuvidevo::LunarCalendar PredictionState::applyLunarMonth(
    int year, int month, int day) noexcept
{
    const auto inForce = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(year, month, day);
    if (!inForce)
        return modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
    ConceptionLunarMonth = inForce->number;
    return inForce->calendar;
}

PredictionResult PredictionState::PredictBabyGender(
    const DateSelection &birth, const DateSelection &conception, year_month_day now)
{
    // A selection that names no real date leaves its variable as it was.
    if (const auto date = toDate(birth))
        MotherDateOfBirth = date;
    if (const auto date = toDate(conception))
        ConceptionDate = date;

    // The Chinese age: the difference of the years, plus one from 21 February of the
    // conception year on (the new-year step is fixed at 21 February). The mother's birthday
    // plays no part. The years are taken from the selections themselves, so that a date that
    // could not be formed never leaves an age counted from an earlier prediction's date.
    MotherChineseAge = saturatedInt16(ChineseAge(birth, conception));

    if (MotherChineseAge < modDurorurOzivurediRuvidevo::YoungestChartAge
        || MotherChineseAge > modDurorurOzivurediRuvidevo::OldestChartAge) {
        PredictionResult rejected;
        rejected.Outcome = PredictionOutcome::AgeOutOfRange;
        rejected.MotherChineseAge = MotherChineseAge;
        return rejected;
    }

    const auto calendar = applyLunarMonth(conception.Year, conception.Month, conception.Day);

    // No month has been found in this run yet: the result window's gender label keeps its
    // initial caption, "Boy".
    const auto gender
        = modDurorurOzivurediRuvidevo::LookUpGender(MotherChineseAge, ConceptionLunarMonth);
    const bool boy = !gender || *gender == "Boy";

    // Calendar-month boundaries from the conception to today; days play no part.
    const long long months
        = (static_cast<long long>(static_cast<int>(now.year())) - conception.Year) * 12
        + (static_cast<long long>(static_cast<unsigned>(now.month())) - conception.Month);

    // Built in place: the texts are copied once, straight into the result.
    return PredictionResult {PredictionOutcome::Predicted, MotherChineseAge, ConceptionLunarMonth,
        std::string(boy ? BoyText : GirlText), boy ? BoyColour : GirlColour,
        std::string(boy ? BlueText : PinkText),
        std::string(months < 9 ? FewerThanNineMonthsText : NineMonthsOrMoreText), calendar};
}

} // namespace kq
