// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the prediction procedure: the Chinese age around 21 February and the 18 to 45
// range, the congratulation line around nine months with today fixed, the baby's colour, and
// the engine's variables across predictions (the lunar month starts at 0 and carries over).
#include "Prediction.h"

#include "modDurorurOzivurediRuvidevo.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace std::chrono;
using kq::DateSelection;
using kq::PredictionOutcome;
using kq::PredictionState;

namespace {

constexpr auto FewerThanNine = kq::CongratulationLine::FewerThanNineMonths;
constexpr auto NineAndMore = kq::CongratulationLine::NineMonthsOrMore;

DateSelection date(int y, int m, int d)
{
    return DateSelection {d, m, y};
}

year_month_day today(int y, int m, int d)
{
    return year {y} / month {static_cast<unsigned>(m)} / day {static_cast<unsigned>(d)};
}

const year_month_day SomeToday = today(2012, 6, 15);

struct AgeCase
{
    const char *name;
    DateSelection birth;
    DateSelection conception;
    int age;
    bool accepted;
    bool newYearStep; // the age counts one more than the difference of the years
};

std::ostream &operator<<(std::ostream &os, const AgeCase &c)
{
    return os << c.name;
}

class ChineseAge : public testing::TestWithParam<AgeCase>
{
};

const AgeCase AgeCases[] = {
    {"BeforeNewYearStep20February", date(1980, 6, 15), date(2008, 2, 20), 28, true, false},
    {"NewYearStep21February", date(1980, 6, 15), date(2008, 2, 21), 29, true, true},
    {"NewYearStepLeapDay", date(1980, 6, 15), date(2008, 2, 29), 29, true, true},
    {"January", date(1980, 6, 15), date(2008, 1, 5), 28, true, false},
    {"March", date(1980, 6, 15), date(2008, 3, 1), 29, true, true},
    {"December", date(1980, 6, 15), date(2008, 12, 31), 29, true, true},
    {"BirthdayPlaysNoPartEarly", date(1980, 1, 1), date(2008, 2, 20), 28, true, false},
    {"BirthdayPlaysNoPartLate", date(1980, 12, 31), date(2008, 2, 21), 29, true, true},
    {"Youngest", date(1962, 12, 31), date(1980, 1, 1), 18, true, false},
    {"TooYoung", date(1962, 1, 1), date(1979, 1, 1), 17, false, false},
    {"YoungestByNewYearStep", date(1962, 1, 1), date(1979, 2, 21), 18, true, true},
    {"Oldest", date(1960, 5, 5), date(2005, 1, 20), 45, true, false},
    {"TooOldByNewYearStep", date(1960, 5, 5), date(2005, 7, 1), 46, false, true},
    {"ConceptionBeforeBirth", date(2000, 1, 1), date(1990, 6, 1), -9, false, true},
    {"BornOn29th30th31st", date(1984, 2, 29), date(2010, 3, 31), 27, true, true},
};

} // namespace

TEST_P(ChineseAge, CountsYearsPlusTheStepFrom21February)
{
    const AgeCase &c = GetParam();
    PredictionState state;
    const auto answer = state.PredictBabyGender(c.birth, c.conception, SomeToday);
    EXPECT_EQ(answer.motherChineseAge, c.age);
    EXPECT_EQ(state.MotherChineseAge, c.age);
    EXPECT_EQ(answer.newYearStep, c.newYearStep);
    EXPECT_EQ(answer.outcome,
        c.accepted ? PredictionOutcome::Predicted : PredictionOutcome::AgeOutOfRange);
}

INSTANTIATE_TEST_SUITE_P(Ages, ChineseAge, testing::ValuesIn(AgeCases), kq::test::RowName());

namespace {

struct CongratulationCase
{
    const char *name;
    DateSelection conception;
    year_month_day now;
    kq::CongratulationLine line;
};

std::ostream &operator<<(std::ostream &os, const CongratulationCase &c)
{
    return os << c.name;
}

class CongratulationLine : public testing::TestWithParam<CongratulationCase>
{
};

const CongratulationCase CongratulationCases[] = {
    {"EightMonthsLater", date(2009, 3, 15), today(2009, 11, 30), FewerThanNine},
    {"NineMonthBoundaries", date(2009, 3, 15), today(2009, 12, 1), NineAndMore},
    {"DaysPlayNoPart", date(2009, 3, 31), today(2009, 12, 1), NineAndMore},
    {"AcrossTheYearEight", date(2009, 5, 1), today(2010, 1, 31), FewerThanNine},
    {"AcrossTheYearNine", date(2009, 4, 30), today(2010, 1, 1), NineAndMore},
    {"SameMonth", date(2009, 3, 15), today(2009, 3, 1), FewerThanNine},
    {"InTheFuture", date(2012, 12, 1), today(2010, 1, 1), FewerThanNine},
    {"YearsAgo", date(1960, 1, 28), today(2026, 1, 1), NineAndMore},
};

} // namespace

TEST_P(CongratulationLine, CountsCalendarMonthBoundariesToToday)
{
    const CongratulationCase &c = GetParam();
    PredictionState state;
    const auto answer
        = state.PredictBabyGender(date(c.conception.Year - 30, 1, 1), c.conception, c.now);
    ASSERT_EQ(answer.outcome, PredictionOutcome::Predicted);
    EXPECT_EQ(answer.congratulation, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Months, CongratulationLine, testing::ValuesIn(CongratulationCases), kq::test::RowName());

namespace {

// Predictions worked by hand from the lunar-month table's rows (the month in force is that of
// the latest start on or before the day, else the one in force on 1 January), or outside 1960
// to 2012 from the official tables, and the chart's rows; the colour follows the gender, and
// the answer tells which calendar gave the month and whether its start is disputed.
struct HandWorkedCase
{
    const char *name;
    DateSelection birth;
    DateSelection conception;
    int age;
    int lunarMonth;
    kq::Gender gender;
    modDurorurOzivurediRuvidevo::LunarCalendar calendar
        = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
    bool startDisputed = false;
};

std::ostream &operator<<(std::ostream &os, const HandWorkedCase &c)
{
    return os << c.name;
}

class HandWorkedPrediction : public testing::TestWithParam<HandWorkedCase>
{
};

constexpr auto Boy = kq::Gender::Boy;
constexpr auto Girl = kq::Gender::Girl;
constexpr auto Classic = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
constexpr auto Extended = modDurorurOzivurediRuvidevo::LunarCalendar::Extended;

const HandWorkedCase HandWorkedCases[] = {
    // 2008: month 12 from 8 January, month 1 from 7 February, month 2 from 8 March.
    // Row 28: month 1 Boy, month 11 Girl; row 29: month 1 Girl.
    {"Before21February", date(1980, 6, 15), date(2008, 2, 20), 28, 1, Boy},
    {"On21February", date(1980, 6, 15), date(2008, 2, 21), 29, 1, Girl},
    {"EarlyJanuary", date(1980, 6, 15), date(2008, 1, 5), 28, 11, Girl},
    {"FirstOfMarch", date(1980, 6, 15), date(2008, 3, 1), 29, 1, Girl},
    // 1980 has month 11 in force on 1 January; row 18, month 11: Boy.
    {"YoungestOnNewYearsDay", date(1962, 12, 31), date(1980, 1, 1), 18, 11, Boy},
    // 2005: month 12 from 10 January; row 45, month 12: Boy.
    {"OldestInJanuary", date(1960, 5, 5), date(2005, 1, 20), 45, 12, Boy},
    // 2009: month 5 from 24 May runs on through the leap month to 21 July; row 30: Girl.
    {"InALeapMonth", date(1980, 6, 15), date(2009, 7, 1), 30, 5, Girl},
    // 1976: month 12 begins on 1 January itself; row 26, month 12: Girl.
    {"MonthBeginningOnNewYearsDay", date(1950, 6, 1), date(1976, 1, 1), 26, 12, Girl},
    // The table's first day: month 12 in force; row 20, month 12: Boy.
    {"FirstDayOfTheTable", date(1940, 1, 1), date(1960, 1, 1), 20, 12, Boy},
    // The table's last day: month 11 from 13 December 2012; row 33, month 11: Girl.
    {"LastDayOfTheTable", date(1980, 1, 1), date(2012, 12, 31), 33, 11, Girl},
    // Row 21 is "Boy" in month 1 only; 2000's month 1 begins on 5 February.
    {"Age21Month1", date(1979, 1, 1), date(2000, 2, 5), 21, 1, Boy},
    {"Age21Month4", date(1980, 1, 1), date(2000, 6, 1), 21, 4, Girl},
    // Outside 1960 to 2012 the months are those of the official tables.
    // Age 30 (1997 to 2026, plus one from 21 February), month 10 (began 9 November 2026):
    // "Girl".
    {"ThisYear", date(1997, 5, 5), date(2026, 12, 8), 30, 10, Girl, Extended},
    // Age 30, month 11 (began 9 December 2026): "Boy".
    {"ThisYearNextMonth", date(1997, 5, 5), date(2026, 12, 9), 30, 11, Boy, Extended},
    // Age 18 (1884 to 1901, plus one from 21 February), month 2 (began 20 March 1901): "Boy".
    {"FirstYearOfSpan", date(1884, 1, 1), date(1901, 3, 20), 18, 2, Boy, Extended},
    // Age 45 (1856 to 1901, before 21 February), month 11 (began 22 December 1900): "Boy".
    {"OldestMotherOnFirstDay", date(1856, 1, 1), date(1901, 1, 1), 45, 11, Boy, Extended},
    // Age 28 (1951 to 1978, plus one). The program's table has month 7 still in force, where
    // the official calendar has month 8 begun: the program's month stands ("Boy").
    // 1978-09-02 is itself one of the days the reckonings dispute.
    {"ProgramTableStands1978", date(1951, 1, 1), date(1978, 9, 2), 28, 7, Boy, Classic, true},
    // Age 36 (2022 to 2057, plus one), month 9 of the official calendar, which began on the
    // disputed 28 September 2057; row 36, month 9: "Boy".
    {"MonthBeganOnADisputedDay", date(2022, 1, 1), date(2057, 10, 10), 36, 9, Boy, Extended, true},
    // The day before the disputed day: month 8 (began 30 August 2057); row 36, month 8: "Girl".
    {"DayBeforeADisputedDay", date(2022, 1, 1), date(2057, 9, 27), 36, 8, Girl, Extended},
};

} // namespace

TEST_P(HandWorkedPrediction, GivesTheTablesMonthTheChartsGenderAndItsColour)
{
    const HandWorkedCase &c = GetParam();
    PredictionState state;
    const auto answer = state.PredictBabyGender(c.birth, c.conception, today(2026, 12, 8));
    ASSERT_EQ(answer.outcome, PredictionOutcome::Predicted);
    EXPECT_EQ(answer.motherChineseAge, c.age);
    EXPECT_EQ(answer.lunarMonth.number, c.lunarMonth);
    EXPECT_EQ(state.ConceptionLunarMonth, c.lunarMonth);
    EXPECT_EQ(answer.gender, c.gender);
    EXPECT_EQ(answer.lunarMonth.calendar, c.calendar);
    EXPECT_EQ(answer.lunarMonth.startDisputed, c.startDisputed);
    // The answer carries the month as the lookup finds it, with the day it began.
    EXPECT_EQ(answer.lunarMonth,
        *modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(
            c.conception.Year, c.conception.Month, c.conception.Day));
    EXPECT_EQ(kq::BabyColourOf(answer.gender),
        c.gender == Boy ? (kq::Rgb {0, 0, 255}) : (kq::Rgb {255, 105, 180}));
}

INSTANTIATE_TEST_SUITE_P(
    TableAndChart, HandWorkedPrediction, testing::ValuesIn(HandWorkedCases), kq::test::RowName());

TEST(PredictionState, StartsWithLunarMonth0)
{
    const PredictionState state;
    EXPECT_EQ(state.ConceptionLunarMonth, 0);
    EXPECT_EQ(state.MotherChineseAge, 0);
}

// The day the month of conception began, from the table or from the official calendar; the
// month in force on the table's first days began before it, on a day the table does not know.
TEST(PredictionState, AnswersTheDayTheLunarMonthBegan)
{
    PredictionState state;
    EXPECT_EQ(
        state.PredictBabyGender(date(1980, 6, 15), date(2008, 2, 21), SomeToday).lunarMonth.start,
        today(2008, 2, 7));
    EXPECT_EQ(
        state.PredictBabyGender(date(1997, 5, 5), date(2026, 12, 8), SomeToday).lunarMonth.start,
        today(2026, 11, 9));
    EXPECT_EQ(
        state.PredictBabyGender(date(1940, 1, 1), date(1960, 1, 1), SomeToday).lunarMonth.start,
        std::nullopt);
}

// A conception date no calendar covers (only a direct call can pass one): the first
// prediction of a run has no month and the result window's initial "Boy"; later predictions
// keep the month of the one before.
TEST(PredictionState, UncoveredConceptionDateKeepsThePreviousMonth)
{
    PredictionState state;
    const auto first = state.PredictBabyGender(date(1881, 1, 1), date(1900, 3, 1), SomeToday);
    ASSERT_EQ(first.outcome, PredictionOutcome::Predicted);
    EXPECT_EQ(first.motherChineseAge, 20);
    EXPECT_EQ(first.lunarMonth.number, 0);
    EXPECT_EQ(first.gender, Boy);

    const auto covered = state.PredictBabyGender(date(1940, 1, 1), date(1960, 1, 28), SomeToday);
    EXPECT_EQ(covered.lunarMonth.number, 1);

    // Age 20 in month 1 is "Girl": the month carried over (without the day it began), not the
    // initial "Boy".
    const auto later = state.PredictBabyGender(date(1881, 1, 1), date(1900, 3, 1), SomeToday);
    EXPECT_EQ(later.lunarMonth, (modDurorurOzivurediRuvidevo::LunarMonthInForce {1}));
    EXPECT_EQ(later.gender, Girl);
    EXPECT_EQ(state.ConceptionLunarMonth, 1);

    const auto afterSpan = state.PredictBabyGender(date(2075, 1, 1), date(2100, 1, 1), SomeToday);
    EXPECT_EQ(afterSpan.lunarMonth.number, 1);
}

// The program's own table inside 1960 to 2012, the official calendar from 1901 to 2099
// outside it, and nothing beyond (nor for a day that does not exist).
TEST(PredictionState, ApplyLunarMonthTableChangesOnlyForCoveredDates)
{
    PredictionState state;
    state.ApplyLunarMonthTable(1900, 12, 31);
    EXPECT_EQ(state.ConceptionLunarMonth, 0);
    state.ApplyLunarMonthTable(1960, 1, 28);
    EXPECT_EQ(state.ConceptionLunarMonth, 1);
    state.ApplyLunarMonthTable(2100, 1, 1);
    EXPECT_EQ(state.ConceptionLunarMonth, 1);
    state.ApplyLunarMonthTable(2023, 2, 29);
    EXPECT_EQ(state.ConceptionLunarMonth, 1);
    state.ApplyLunarMonthTable(2012, 12, 31);
    EXPECT_EQ(state.ConceptionLunarMonth, 11);
    state.ApplyLunarMonthTable(1959, 12, 31);
    EXPECT_EQ(state.ConceptionLunarMonth, 12);
    state.ApplyLunarMonthTable(1978, 9, 2); // the official calendar has month 8 begun
    EXPECT_EQ(state.ConceptionLunarMonth, 7);
    state.ApplyLunarMonthTable(2026, 12, 9);
    EXPECT_EQ(state.ConceptionLunarMonth, 11);
}

// A rejected age sets the age but looks up no lunar month.
TEST(PredictionState, AgeOutOfRangeLeavesTheLunarMonthUntouched)
{
    PredictionState state;
    state.PredictBabyGender(date(1970, 1, 1), date(1995, 8, 26), SomeToday);
    ASSERT_EQ(state.ConceptionLunarMonth, 8);

    const auto rejected = state.PredictBabyGender(date(1962, 3, 4), date(1979, 1, 1), SomeToday);
    EXPECT_EQ(rejected.outcome, PredictionOutcome::AgeOutOfRange);
    EXPECT_EQ(rejected.motherChineseAge, 17);
    EXPECT_EQ(state.MotherChineseAge, 17);
    EXPECT_EQ(state.ConceptionLunarMonth, 8);
}

// A selection that names no real day (the date check keeps it away): the age is counted from
// the years chosen, never from an earlier prediction's dates.
TEST(PredictionState, ImpossibleDayCountsTheAgeFromTheYearsChosen)
{
    PredictionState state;
    state.PredictBabyGender(date(1970, 1, 1), date(1995, 8, 26), SomeToday);
    const auto answer = state.PredictBabyGender(date(1975, 2, 30), date(2001, 4, 31), SomeToday);
    EXPECT_EQ(answer.motherChineseAge, 27);
}
