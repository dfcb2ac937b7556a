// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the one lookup that answers from 1901 to 2099: which calendar answers where, the
// official dates of the Chinese New Year, the ends of both spans, leap months, days that do
// not exist, and the five days whose month published reckonings give differently.
#include "RowName.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace lm = modDurorurOzivurediRuvidevo;
using lm::LunarCalendar;

namespace {

struct Day
{
    int year, month, day;
};

std::chrono::year_month_day dateOf(const Day &d)
{
    return std::chrono::year {d.year} / d.month / d.day;
}

std::optional<lm::LunarMonthInForce> lookUp(const Day &d)
{
    return lm::LookUpLunarMonthInForce(d.year, d.month, d.day);
}

// The first day of the Chinese New Year from 2013 to 2035, as published (the Hong Kong
// Observatory's conversion tables; for 2027 and 2030 the official almanac of Mainland China
// agrees).
struct NewYearCase
{
    const char *name;
    Day newYear;
};

std::ostream &operator<<(std::ostream &os, const NewYearCase &c)
{
    return os << c.name;
}

class ChineseNewYear : public testing::TestWithParam<NewYearCase>
{
};

const NewYearCase NewYears[] = {
    {"Y2013", {2013, 2, 10}},
    {"Y2014", {2014, 1, 31}},
    {"Y2015", {2015, 2, 19}},
    {"Y2016", {2016, 2, 8}},
    {"Y2017", {2017, 1, 28}},
    {"Y2018", {2018, 2, 16}},
    {"Y2019", {2019, 2, 5}},
    {"Y2020", {2020, 1, 25}},
    {"Y2021", {2021, 2, 12}},
    {"Y2022", {2022, 2, 1}},
    {"Y2023", {2023, 1, 22}},
    {"Y2024", {2024, 2, 10}},
    {"Y2025", {2025, 1, 29}},
    {"Y2026", {2026, 2, 17}},
    {"Y2027", {2027, 2, 6}},
    {"Y2028", {2028, 1, 26}},
    {"Y2029", {2029, 2, 13}},
    {"Y2030", {2030, 2, 3}},
    {"Y2031", {2031, 1, 23}},
    {"Y2032", {2032, 2, 11}},
    {"Y2033", {2033, 1, 31}},
    {"Y2034", {2034, 2, 19}},
    {"Y2035", {2035, 2, 8}},
};

} // namespace

// Month 1 begins on the day itself; the day before still lies in month 12.
TEST_P(ChineseNewYear, BeginsMonth1OnThePublishedDay)
{
    const Day &d = GetParam().newYear;
    const auto first = lookUp(d);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->number, 1);
    EXPECT_EQ(first->calendar, LunarCalendar::Extended);
    EXPECT_EQ(first->start, dateOf(d));
    const Day before = d.day > 1 ? Day {d.year, d.month, d.day - 1} : Day {d.year, 1, 31};
    ASSERT_TRUE(lookUp(before).has_value());
    EXPECT_EQ(lookUp(before)->number, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Published, ChineseNewYear, testing::ValuesIn(NewYears), kq::test::RowName());

namespace {

// The lookup at the ends of its span and of the program's own table, in leap months and on
// days that do not exist. Expected months and starts are those of the official tables.
struct InForceCase
{
    const char *name;
    Day date;
    int number; // -1: no value
    LunarCalendar calendar;
    Day start; // year 0: the start is not known
};

std::ostream &operator<<(std::ostream &os, const InForceCase &c)
{
    return os << c.name;
}

class LunarMonthInForceLookUp : public testing::TestWithParam<InForceCase>
{
};

constexpr auto Classic = LunarCalendar::Classic;
constexpr auto Extended = LunarCalendar::Extended;

const InForceCase InForceCases[] = {
    {"DayBeforeSpan", {1900, 12, 31}, -1, Extended, {}},
    {"FirstDayOfSpanStartedTheYearBefore", {1901, 1, 1}, 11, Extended, {1900, 12, 22}},
    {"LastDayOfSpan", {2099, 12, 31}, 11, Extended, {2099, 12, 12}},
    {"DayAfterSpan", {2100, 1, 1}, -1, Extended, {}},
    {"DayBeforeProgramTable", {1959, 12, 31}, 12, Extended, {1959, 12, 30}},
    {"ProgramTableDoesNotKnowItsFirstStart", {1960, 1, 1}, 12, Classic, {}},
    {"ProgramTableLastDay", {2012, 12, 31}, 11, Classic, {2012, 12, 13}},
    {"DayAfterProgramTableContinuesItsMonth", {2013, 1, 1}, 11, Extended, {2012, 12, 13}},
    {"EarlyDecember2026", {2026, 12, 8}, 10, Extended, {2026, 11, 9}},
    {"LeapMonth2023RunsOnMonth2", {2023, 3, 22}, 2, Extended, {2023, 2, 20}},
    {"LeapMonth2023LastDay", {2023, 4, 19}, 2, Extended, {2023, 2, 20}},
    {"AfterLeapMonth2023", {2023, 4, 20}, 3, Extended, {2023, 4, 20}},
    {"LeapDay1904", {1904, 2, 29}, 1, Extended, {1904, 2, 16}},
    {"LeapDay2000InProgramTable", {2000, 2, 29}, 1, Classic, {2000, 2, 5}},
    {"NoLeapDayIn2023", {2023, 2, 29}, -1, Extended, {}},
    {"No31April", {2021, 4, 31}, -1, Extended, {}},
    {"No30FebruaryInProgramTable", {1961, 2, 30}, -1, Classic, {}},
    {"NoDay0", {2021, 5, 0}, -1, Extended, {}},
    {"NoMonth13", {2021, 13, 1}, -1, Extended, {}},
    {"NoMonth0", {1990, 0, 1}, -1, Classic, {}},
};

} // namespace

TEST_P(LunarMonthInForceLookUp, AnswersFromTheRightCalendar)
{
    const InForceCase &c = GetParam();
    const auto found = lookUp(c.date);
    if (c.number < 0) {
        EXPECT_FALSE(found.has_value());
        return;
    }
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->number, c.number);
    EXPECT_EQ(found->calendar, c.calendar);
    EXPECT_EQ(found->start.has_value(), c.start.year != 0);
    if (c.start.year != 0) {
        EXPECT_EQ(found->start, dateOf(c.start));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeDates, LunarMonthInForceLookUp, testing::ValuesIn(InForceCases), kq::test::RowName());

namespace {

// Around the five days whose month published reckonings give differently: the day itself and
// every day of a month that began on it or on the day after it are flagged; the neighbouring
// months are not.
struct DisputedCase
{
    const char *name;
    Day date;
    bool disputed;
};

std::ostream &operator<<(std::ostream &os, const DisputedCase &c)
{
    return os << c.name;
}

class DisputedStart : public testing::TestWithParam<DisputedCase>
{
};

const DisputedCase DisputedCases[] = {
    {"LeapMonthBefore1933", {1933, 7, 21}, false},
    {"Month6Of1933BeginsOnTheDay", {1933, 7, 22}, true},
    {"Month6Of1933LastDay", {1933, 8, 20}, true},
    {"Month7Of1933", {1933, 8, 21}, false},
    {"DayBefore1954", {1954, 11, 24}, false},
    {"Day1954ItselfEndsMonth10", {1954, 11, 25}, true},
    {"Month11Of1954BeginsTheDayAfter", {1954, 11, 26}, true},
    {"Day1956ItselfEndsMonth10", {1956, 12, 2}, true},
    {"Month11Of1956BeginsTheDayAfter", {1956, 12, 3}, true},
    {"Month12Of1956", {1957, 1, 1}, false},
    {"Day1978ItselfInProgramTable", {1978, 9, 2}, true},
    {"Month8Of1978BeginsTheDayAfterInProgramTable", {1978, 9, 3}, true},
    {"Month9Of1978", {1978, 10, 2}, false},
    {"Month9Of2057BeginsOnTheDay", {2057, 9, 28}, true},
    {"Month9Of2057LastDay", {2057, 10, 27}, true},
    {"Month10Of2057", {2057, 10, 28}, false},
    {"AnOrdinaryDay", {2026, 12, 8}, false},
};

} // namespace

TEST_P(DisputedStart, IsFlaggedAroundTheFiveDays)
{
    const DisputedCase &c = GetParam();
    const auto found = lookUp(c.date);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->startDisputed, c.disputed);
}

INSTANTIATE_TEST_SUITE_P(
    FiveDays, DisputedStart, testing::ValuesIn(DisputedCases), kq::test::RowName());

TEST(DisputedStart, NamesTheFiveDays)
{
    const std::vector<std::string> expected
        = {"1933-07-22", "1954-11-25", "1956-12-02", "1978-09-02", "2057-09-28"};
    std::vector<std::string> named;
    for (const lm::DisputedDay &d : lm::DisputedDays) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
        named.emplace_back(text);
    }
    EXPECT_EQ(named, expected);
}
