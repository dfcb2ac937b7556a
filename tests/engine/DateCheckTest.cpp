// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the main window's date check on the two chosen dates: the six checks in order and
// the day list that gets the focus; conception first. The conception date's checks alone, and
// the Gregorian leap-year rule of an extended run. (Their messages: tests/l10n.)
#include "Prediction.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using kq::CheckConceptionDate;
using kq::CheckDateSelections;
using kq::DateSelection;
using kq::LeapYearRule;
using Check = kq::DateCheck;

namespace {

struct DateCheckCase
{
    const char *name;
    DateSelection birth;
    DateSelection conception;
    std::optional<Check> check; // none: both dates pass
    LeapYearRule rule = LeapYearRule::EveryFourthYear;
};

std::ostream &operator<<(std::ostream &os, const DateCheckCase &c)
{
    return os << c.name;
}

DateSelection date(int y, int m, int d)
{
    return DateSelection {d, m, y};
}

const DateSelection GoodBirth = date(1980, 5, 5);
const DateSelection GoodConception = date(2008, 5, 5);

class DateCheck : public testing::TestWithParam<DateCheckCase>
{
};

const DateCheckCase Cases[] = {
    {"BothExist", GoodBirth, GoodConception, {}},
    {"LeapDay2000", GoodBirth, date(2000, 2, 29), {}},
    {"LeapDay2012", GoodBirth, date(2012, 2, 29), {}},
    {"ConceptionLeapYear30February", GoodBirth, date(2004, 2, 30), Check::ConceptionLeapFebruary},
    {"ConceptionLeapYear31February", GoodBirth, date(2004, 2, 31), Check::ConceptionLeapFebruary},
    {"ConceptionCommonYear29February", GoodBirth, date(2001, 2, 29), Check::ConceptionFebruary},
    {"Conception31April", GoodBirth, date(2001, 4, 31), Check::ConceptionThirtyFirst},
    {"Conception31June", GoodBirth, date(2001, 6, 31), Check::ConceptionThirtyFirst},
    {"Conception31September", GoodBirth, date(2001, 9, 31), Check::ConceptionThirtyFirst},
    {"Conception31November", GoodBirth, date(2001, 11, 31), Check::ConceptionThirtyFirst},
    {"Conception31May", GoodBirth, date(2001, 5, 31), {}},
    {"Conception30April", GoodBirth, date(2001, 4, 30), {}},
    {"BirthLeapYear30February", date(1916, 2, 30), GoodConception, Check::BirthLeapFebruary},
    {"BirthLeapDay1916", date(1916, 2, 29), GoodConception, {}},
    {"BirthCommonYear29February", date(1915, 2, 29), GoodConception, Check::BirthFebruary},
    {"Birth31June", date(1980, 6, 31), GoodConception, Check::BirthThirtyFirst},
    {"BothImpossibleConceptionFirst", date(1980, 6, 31), date(2001, 2, 29),
        Check::ConceptionFebruary},
    {"ConceptionBeforeBirthPasses", date(2010, 1, 1), date(1960, 1, 1), {}},
    // 1900 is no leap year in the calendar; only the Gregorian rule knows it.
    {"Birth29February1900EveryFourthYear", date(1900, 2, 29), GoodConception, {}},
    {"Birth29February1900Gregorian", date(1900, 2, 29), GoodConception, Check::BirthFebruary,
        LeapYearRule::Gregorian},
    {"Birth28February1900Gregorian", date(1900, 2, 28), GoodConception, {},
        LeapYearRule::Gregorian},
    {"Birth29February1856Gregorian", date(1856, 2, 29), GoodConception, {},
        LeapYearRule::Gregorian},
    {"Conception29February2000Gregorian", GoodBirth, date(2000, 2, 29), {},
        LeapYearRule::Gregorian},
    {"Conception29February2026Gregorian", GoodBirth, date(2026, 2, 29), Check::ConceptionFebruary,
        LeapYearRule::Gregorian},
    {"Conception30February2028Gregorian", GoodBirth, date(2028, 2, 30),
        Check::ConceptionLeapFebruary, LeapYearRule::Gregorian},
    {"Conception31September2099Gregorian", GoodBirth, date(2099, 9, 31),
        Check::ConceptionThirtyFirst, LeapYearRule::Gregorian},
    // No list position names the smallest int: the checks compare positions without
    // overflowing and find nothing to reject, by either rule.
    {"SmallestNumbersGregorian",
        date(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
            std::numeric_limits<int>::min()),
        date(2008, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()), {},
        LeapYearRule::Gregorian},
    // No list position names the smallest int: the check compares positions without
    // overflowing and finds nothing to reject.
    {"SmallestNumbers",
        date(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
            std::numeric_limits<int>::min()),
        date(2008, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()), {}},
};

} // namespace

// Both dates, then the conception date alone, which fails exactly when its own checks do.
TEST_P(DateCheck, MakesTheSixChecksInOrder)
{
    const DateCheckCase &c = GetParam();
    EXPECT_EQ(CheckDateSelections(c.birth, c.conception, c.rule), c.check);
    const bool onConception = c.check && !kq::ChecksTheBirthDate(*c.check);
    EXPECT_EQ(CheckConceptionDate(c.conception, c.rule), onConception ? c.check : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateCheck, testing::ValuesIn(Cases), kq::test::RowName());

// The three checks of the conception date come first, and only the date of birth's give its
// day list the focus.
TEST(DateCheck, ChecksTheBirthDateInTheLastThree)
{
    for (const Check check :
        {Check::ConceptionLeapFebruary, Check::ConceptionFebruary, Check::ConceptionThirtyFirst})
        EXPECT_FALSE(kq::ChecksTheBirthDate(check));
    for (const Check check :
        {Check::BirthLeapFebruary, Check::BirthFebruary, Check::BirthThirtyFirst})
        EXPECT_TRUE(kq::ChecksTheBirthDate(check));
}

// The lists' years with the main window's rule, and the years of an extended run (births
// from 1856, conceptions from 1901, both to 2099) with the Gregorian rule.
TEST(DateCheck, EveryDayOfEveryListedYearPassesExactlyWhenItExists)
{
    using namespace std::chrono;
    struct Lists
    {
        LeapYearRule rule;
        int firstBirthYear, firstConceptionYear, lastYear;
    };
    for (const Lists &lists : {Lists {LeapYearRule::EveryFourthYear, 1915, 1960, 2012},
             Lists {LeapYearRule::Gregorian, 1856, 1901, 2099}})
        for (int y = lists.firstBirthYear; y <= lists.lastYear; ++y)
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 31; ++d) {
                    const year_month_day calendarDay {
                        year {y}, month {static_cast<unsigned>(m)}, day {static_cast<unsigned>(d)}};
                    const bool exists = calendarDay.ok();
                    EXPECT_EQ(
                        !CheckDateSelections(date(y, m, d), GoodConception, lists.rule).has_value(),
                        exists)
                        << y << "-" << m << "-" << d;
                    if (y >= lists.firstConceptionYear) {
                        EXPECT_EQ(
                            !CheckConceptionDate(date(y, m, d), lists.rule).has_value(), exists)
                            << y << "-" << m << "-" << d;
                    }
                }
}
