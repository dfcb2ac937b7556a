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

// The date a selection names, when it exists in the calendar (Gregorian leap years).
std::optional<year_month_day> toDate(const DateSelection &selection)
{
    if (selection.Year < -32767 || selection.Year > 32767 || selection.Month < 1
        || selection.Month > 12 || selection.Day < 1 || selection.Day > 31)
        return std::nullopt;
    const year_month_day date = CalendarDateOf(selection);
    // Every month has its first 28 days; only a later day needs the calendar's month length.
    if (selection.Day > 28 && !date.ok())
        return std::nullopt;
    return date;
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
    // Only a day past the 28th of February asks whether the year is a leap year.
    if (monthPosition == 1 && dayPosition >= 28) {
        const bool leap = rule == LeapYearRule::Gregorian
            ? modDurorurOzivurediRuvidevo::LunarRows::isLeapYear(date.Year)
            : date.Year % 4 == 0;
        if (leap && dayPosition >= 29)
            return 1;
        if (!leap)
            return 2;
    }
    if ((monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10)
        && dayPosition == 30)
        return 3;
    return 0;
}

} // namespace

std::optional<DateCheckFailure> CheckConceptionDate(
    const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (const int check = failedCheck(conception, rule))
        return DateCheckFailure {
            check, DateCheckMessage(check), DateCheckFailure::Focus::ConceptionDay};
    return std::nullopt;
}

std::optional<DateCheckFailure> CheckDateSelections(
    const DateSelection &birth, const DateSelection &conception, LeapYearRule rule) noexcept
{
    if (auto failure = CheckConceptionDate(conception, rule))
        return failure;
    if (const int check = failedCheck(birth, rule))
        return DateCheckFailure {
            check + 3, DateCheckMessage(check + 3), DateCheckFailure::Focus::BirthDay};
    return std::nullopt;
}

PredictionResult MakePredictionResult(const PredictionAnswer &answer)
{
    PredictionResult result;
    result.Outcome = answer.outcome;
    result.MotherChineseAge = answer.motherChineseAge;
    result.Answer = answer;
    if (answer.outcome != PredictionOutcome::Predicted)
        return result;
    result.ConceptionLunarMonth = answer.lunarMonth;
    result.Gender = GenderText(answer.gender);
    result.BabyColour = BabyColourOf(answer.gender);
    result.BabyColourName = BabyColourNameText(answer.gender);
    result.CongratulationMessage = CongratulationText(answer.congratulation);
    result.Calendar = answer.calendar;
    return result;
}

void PredictionState::ApplyLunarMonthTable(int year, int month, int day) noexcept
{
    PredictionAnswer ignored;
    applyLunarMonth(year, month, day, ignored);
}

void PredictionState::applyLunarMonth(
    int year, int month, int day, PredictionAnswer &answer) noexcept
{
    const auto inForce = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(year, month, day);
    if (!inForce)
        return;
    ConceptionLunarMonth = inForce->number;
    answer.calendar = inForce->calendar;
    answer.startDisputed = inForce->startDisputed;
}

PredictionAnswer PredictionState::AnswerPrediction(
    const DateSelection &birth, const DateSelection &conception, year_month_day now) noexcept
{
    // A selection that names no real date leaves its variable as it was.
    if (const auto date = toDate(birth))
        MotherDateOfBirth = date;
    if (const auto date = toDate(conception))
        ConceptionDate = date;
    return answerFrom(birth, conception, now);
}

PredictionAnswer PredictionState::AnswerPrediction(
    year_month_day birth, year_month_day conception, year_month_day now) noexcept
{
    MotherDateOfBirth = birth;
    ConceptionDate = conception;
    return answerFrom(SelectionOf(birth), SelectionOf(conception), now);
}

PredictionAnswer PredictionState::answerFrom(
    const DateSelection &birth, const DateSelection &conception, year_month_day now) noexcept
{
    // The Chinese age: the difference of the years, plus one from 21 February of the
    // conception year on (the new-year step is fixed at 21 February). The mother's birthday
    // plays no part. The years are taken from the selections themselves, so that a date that
    // could not be formed never leaves an age counted from an earlier prediction's date.
    MotherChineseAge = saturatedInt16(ChineseAge(birth, conception));

    PredictionAnswer answer;
    answer.motherChineseAge = MotherChineseAge;
    if (MotherChineseAge < modDurorurOzivurediRuvidevo::YoungestChartAge
        || MotherChineseAge > modDurorurOzivurediRuvidevo::OldestChartAge) {
        answer.outcome = PredictionOutcome::AgeOutOfRange;
        return answer;
    }

    answer.outcome = PredictionOutcome::Predicted;
    applyLunarMonth(conception.Year, conception.Month, conception.Day, answer);
    answer.lunarMonth = ConceptionLunarMonth;
    // No month has been found in this run yet: the result window's gender label keeps its
    // initial caption, "Boy".
    answer.gender
        = modDurorurOzivurediRuvidevo::LookUpChartGender(MotherChineseAge, ConceptionLunarMonth)
              .value_or(Gender::Boy);
    answer.congratulation = CongratulationLineFor(conception, now);
    return answer;
}

PredictionResult PredictionState::PredictBabyGender(
    const DateSelection &birth, const DateSelection &conception, year_month_day now)
{
    return MakePredictionResult(AnswerPrediction(birth, conception, now));
}

} // namespace kq
