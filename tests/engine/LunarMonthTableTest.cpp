// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The lookups of the lunar-month table at the dates where a mistyped start, a leap-month run or
// the turn of the year would show first, and outside the table. Every day of 1960 to 2012 is
// compared with liblunar-date in OfficialCalendarCrossCheckTest.cpp; the table's shape (month
// lengths, numbers in order, starts per year) is checked when it is compiled.
#include "modDurorurOzivurediRuvidevo.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>

namespace lm = modDurorurOzivurediRuvidevo;

namespace {

struct LookUpCase
{
    const char *name;
    int year, month, day;
    int expected; // -1: no value
};

class LunarMonthLookUp : public testing::TestWithParam<LookUpCase>
{
};

const LookUpCase LookUpCases[] = {
    {"SpanStarts", 1960, 1, 1, 12},
    {"DayBeforeFirstStart", 1960, 1, 27, 12},
    {"FirstStart", 1960, 1, 28, 1},
    {"DayBeforeLastStart", 2012, 12, 12, 10},
    {"LastStart", 2012, 12, 13, 11},
    {"SpanEnds", 2012, 12, 31, 11},
    {"DayBeforeSpan", 1959, 12, 31, -1},
    {"DayAfterSpan", 2013, 1, 1, -1},
    {"No30February", 1961, 2, 30, -1},
    {"No29FebruaryInCommonYear", 1961, 2, 29, -1},
    {"No31April", 1990, 4, 31, -1},
    {"NoMonth13", 1990, 13, 1, -1},
    {"NoDay0", 1990, 5, 0, -1},
    {"LeapRun1960Begins", 1960, 6, 24, 6},
    {"LeapRun1960Middle", 1960, 7, 24, 6},
    {"LeapRun1960LastDay", 1960, 8, 21, 6},
    {"LeapRun1960Ends", 1960, 8, 22, 7},
    {"LeapRun1993Begins", 1993, 3, 23, 3},
    {"LeapRun1993Middle", 1993, 4, 22, 3},
    {"LeapRun1993LastDay", 1993, 5, 20, 3},
    {"LeapRun1993Ends", 1993, 5, 21, 4},
    {"LeapRun1974Middle", 1974, 5, 1, 4},
    {"LeapRun1974LastDay", 1974, 6, 19, 4},
    {"LeapRun1974Ends", 1974, 6, 20, 5},
    {"TwoStartsBefore", 1962, 7, 1, 5},
    {"TwoStartsFirst", 1962, 7, 2, 6},
    {"TwoStartsBetween", 1962, 7, 30, 6},
    {"TwoStartsSecond", 1962, 7, 31, 7},
    {"Before1976NewYearStart", 1975, 12, 31, 11},
    {"Start1976OnFirstJanuary", 1976, 1, 1, 12},
    {"Before1995NewYearStart", 1994, 12, 31, 11},
    {"Start1995OnFirstJanuary", 1995, 1, 1, 12},
    {"AcrossTurnOfYear1960", 1960, 12, 31, 11},
    {"AcrossTurnOfYear1961", 1961, 1, 1, 11},
    {"AcrossTurnOfYearNextStart", 1961, 1, 17, 12},
    {"BeforeStartOn31December", 1967, 12, 30, 11},
    {"StartOn31December", 1967, 12, 31, 12},
    {"AfterStartOn31December", 1968, 1, 1, 12},
    {"NextAfterStartOn31December", 1968, 1, 30, 1},
    {"StartOn28February1968", 1968, 2, 28, 2},
    {"LeapDay1968", 1968, 2, 29, 2},
    {"LeapDay1976", 1976, 2, 29, 1},
    {"AfterLeapDay1976", 1976, 3, 1, 2},
    {"LeapDay2008", 2008, 2, 29, 1},
    {"Consecutive1994Sep", 1994, 9, 6, 8},
    {"Consecutive1994Oct", 1994, 10, 5, 9},
    {"Consecutive1994Nov", 1994, 11, 3, 10},
    {"Consecutive1994Dec", 1994, 12, 3, 11},
    // No list position names these: no month, and no overflow in the lookup (found by fuzzing).
    {"MonthZero", 1980, 0, 1, -1},
    {"MonthThirteen", 1980, 13, 1, -1},
    {"DayZero", 1980, 5, 0, -1},
    {"DayThirtyTwo", 1980, 5, 32, -1},
    {"LargestMonth", 1980, std::numeric_limits<int>::max(), 1, -1},
    {"LargestDay", 2000, 12, std::numeric_limits<int>::max(), -1},
};

} // namespace

TEST_P(LunarMonthLookUp, GivesTheMonthInForce)
{
    const LookUpCase &c = GetParam();
    const auto number = lm::LookUpLunarMonth(c.year, c.month, c.day);
    if (c.expected < 0)
        EXPECT_FALSE(number.has_value());
    else
        EXPECT_EQ(number, std::optional<std::int16_t>(static_cast<std::int16_t>(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeDates, LunarMonthLookUp, testing::ValuesIn(LookUpCases), kq::test::RowName());

namespace {

// The month in force and the day it began, as the command line's explanation shows them,
// read off the table's rows by hand. The month in force on 1 January 1960 began before the
// table: its first day is unknown.
struct InForceCase
{
    const char *name;
    int year, month, day;
    int number;
    std::optional<int> startYear, startMonth, startDay; // none: the start is unknown
};

class LunarMonthInForce : public testing::TestWithParam<InForceCase>
{
};

const InForceCase InForceCases[] = {
    {"FirstDayOfTheTable", 1960, 1, 1, 12, {}, {}, {}},
    {"DayBeforeTheFirstStart", 1960, 1, 27, 12, {}, {}, {}},
    {"FirstStart", 1960, 1, 28, 1, 1960, 1, 28},
    {"InsideALeapMonthRun", 1960, 8, 21, 6, 1960, 6, 24},
    {"StartTheProgramsTableHasADayEarly", 1965, 4, 1, 3, 1965, 4, 1},
    {"StartOnFirstJanuary", 1976, 1, 30, 12, 1976, 1, 1},
    {"AcrossTheTurnOfTheYear", 1968, 1, 29, 12, 1967, 12, 31},
    {"OpenDayGoesToTheMonthThatBegins", 1975, 7, 9, 6, 1975, 7, 9},
    {"LastDayOfTheTable", 2012, 12, 31, 11, 2012, 12, 13},
};

} // namespace

TEST_P(LunarMonthInForce, NamesTheMonthAndTheDayItBegan)
{
    const InForceCase &c = GetParam();
    const auto inForce = lm::LookUpLunarMonthInForce(c.year, c.month, c.day);
    ASSERT_TRUE(inForce.has_value());
    EXPECT_EQ(inForce->number, c.number);
    EXPECT_EQ(inForce->calendar, lm::LunarCalendar::Classic);
    ASSERT_EQ(inForce->start.has_value(), c.startYear.has_value());
    if (c.startYear) {
        EXPECT_EQ(*inForce->start, std::chrono::year {*c.startYear} / *c.startMonth / *c.startDay);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeDates, LunarMonthInForce, testing::ValuesIn(InForceCases), kq::test::RowName());
