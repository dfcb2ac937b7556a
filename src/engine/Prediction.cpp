// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The prediction procedure and the date check of the main window's lists.
#include "Prediction.h"

#include "modDurorurOzivurediRuvidevo.h"

#include <algorithm>
#include <limits>

namespace kq {

// In an extended run the conception lists offer exactly the years of the official calendar.
static_assert(FirstExtendedConceptionYear == modDurorurOzivurediRuvidevo::FirstExtendedYear);
static_assert(LastExtendedYear == modDurorurOzivurediRuvidevo::LastExtendedYear);

namespace {

using namespace std::chrono;

std::int16_t saturatedInt16(long long value)
{
    return static_cast<std::int16_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// The new-year step of the Chinese age: from 21 February of the conception year on, the age is
// one more than the difference of the years. The mother's birthday plays no part.
constexpr bool passesNewYearStep(const DateSelection &conception) noexcept
{
    return conception.Month > 2 || (conception.Month == 2 && conception.Day >= 21);
}

// Calendar-month boundaries from the month of conception to today's month (days play no
// part): fewer than nine give the first line; a conception in the future gives it too.
constexpr CongratulationLine congratulationLineFor(
    const DateSelection &conception, year_month_day now) noexcept
{
    const long long months
        = (static_cast<long long>(static_cast<int>(now.year())) - conception.Year) * 12
        + (static_cast<long long>(static_cast<unsigned>(now.month())) - conception.Month);
    return months < 9 ? CongratulationLine::FewerThanNineMonths
                      : CongratulationLine::NineMonthsOrMore;
}

// The kinds of check made on each date, by list positions as the main window reads them:
// the 30th/31st February of a leap year; the 29th to 31st February otherwise; a 31st in a
// 30-day month. The conception date's checks come first, each date's in this order.
enum class DayCheck { LeapFebruary, February, ThirtyFirst };

std::optional<DayCheck> failedCheck(const DateSelection &date, LeapYearRule rule)
{
    // Wide enough for any int selection: a position is one less than its number.
    const long long dayPosition = static_cast<long long>(date.Day) - 1;
    const long long monthPosition = static_cast<long long>(date.Month) - 1;
    // Only a day past the 28th of February asks whether the year is a leap year.
    if (monthPosition == 1 && dayPosition >= 28) {
        const bool leap = rule == LeapYearRule::Gregorian
            ? modDurorurOzivurediRuvidevo::LunarRows::isLeapYear(date.Year)
            : date.Year % 4 == 0;
        if (leap && dayPosition >= 29)
            return DayCheck::LeapFebruary;
        if (!leap)
            return DayCheck::February;
    }
    if ((monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10)
        && dayPosition == 30)
        return DayCheck::ThirtyFirst;
    return std::nullopt;
}

constexpr DateCheck onDate(DayCheck check, DateCheck first) noexcept
{
    return static_cast<DateCheck>(static_cast<int>(first) + static_cast<int>(check));
}

} // namespace

std::optional<DateCheck> CheckConceptionDate(
    const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (const auto check = failedCheck(conception, rule))
        return onDate(*check, DateCheck::ConceptionLeapFebruary);
    return std::nullopt;
}

std::optional<DateCheck> CheckDateSelections(
    const DateSelection &birth, const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (const auto failed = CheckConceptionDate(conception, rule))
        return failed;
    if (const auto check = failedCheck(birth, rule))
        return onDate(*check, DateCheck::BirthLeapFebruary);
    return std::nullopt;
}

void PredictionState::ApplyLunarMonthTable(int year, int month, int day) noexcept
{
    applyLunarMonth(year, month, day);
}

modDurorurOzivurediRuvidevo::LunarMonthInForce PredictionState::applyLunarMonth(
    int year, int month, int day) noexcept
{
    const auto inForce = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(year, month, day);
    if (!inForce)
        return {ConceptionLunarMonth};
    ConceptionLunarMonth = inForce->number;
    return *inForce;
}

PredictionAnswer PredictionState::PredictBabyGender(
    const DateSelection &birth, const DateSelection &conception, year_month_day now) noexcept
{
    // The Chinese age: the difference of the years, plus one from 21 February of the
    // conception year on (the new-year step is fixed at 21 February). The mother's birthday
    // plays no part, and the dates need not exist: the age is counted from the selections.
    PredictionAnswer answer;
    answer.newYearStep = passesNewYearStep(conception);
    MotherChineseAge = saturatedInt16(
        static_cast<long long>(conception.Year) - birth.Year + (answer.newYearStep ? 1 : 0));
    answer.motherChineseAge = MotherChineseAge;
    if (MotherChineseAge < modDurorurOzivurediRuvidevo::YoungestChartAge
        || MotherChineseAge > modDurorurOzivurediRuvidevo::OldestChartAge) {
        answer.outcome = PredictionOutcome::AgeOutOfRange;
        return answer;
    }

    answer.outcome = PredictionOutcome::Predicted;
    answer.lunarMonth = applyLunarMonth(conception.Year, conception.Month, conception.Day);
    // No month has been found in this run yet: the result window's gender label keeps its
    // initial caption, "Boy".
    answer.gender
        = modDurorurOzivurediRuvidevo::LookUpGender(MotherChineseAge, answer.lunarMonth.number)
              .value_or(Gender::Boy);
    answer.congratulation = congratulationLineFor(conception, now);
    return answer;
}

} // namespace kq
