// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the main window's date check on the two chosen dates: the six checks in order,
// their messages (word for word) and the day list that gets the focus; conception first.
// The conception date's checks alone, and the Gregorian leap-year rule of an extended run.
#include "Prediction.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using kq::CheckConceptionDate;
using kq::CheckDateSelections;
using kq::DateCheckFailure;
using kq::DateSelection;
using kq::LeapYearRule;
using Focus = DateCheckFailure::Focus;

namespace {

constexpr std::string_view Conception = "Please Enter Correct Date Of Conception !";
constexpr std::string_view ConceptionOf = "Please Enter Correct Date Of of Conception !";
constexpr std::string_view Birth = "Please Enter Correct Date Of Birth !";

struct DateCheckCase
{
    const char *name;
    DateSelection birth;
    DateSelection conception;
    int check; // 0: both dates pass
    std::string_view message;
    Focus focus;
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
    {"BothExist", GoodBirth, GoodConception, 0, {}, Focus::ConceptionDay},
    {"LeapDay2000", GoodBirth, date(2000, 2, 29), 0, {}, Focus::ConceptionDay},
    {"LeapDay2012", GoodBirth, date(2012, 2, 29), 0, {}, Focus::ConceptionDay},
    {"ConceptionLeapYear30February", GoodBirth, date(2004, 2, 30), 1, Conception,
        Focus::ConceptionDay},
    {"ConceptionLeapYear31February", GoodBirth, date(2004, 2, 31), 1, Conception,
        Focus::ConceptionDay},
    {"ConceptionCommonYear29February", GoodBirth, date(2001, 2, 29), 2, Conception,
        Focus::ConceptionDay},
    {"Conception31April", GoodBirth, date(2001, 4, 31), 3, ConceptionOf, Focus::ConceptionDay},
    {"Conception31June", GoodBirth, date(2001, 6, 31), 3, ConceptionOf, Focus::ConceptionDay},
    {"Conception31September", GoodBirth, date(2001, 9, 31), 3, ConceptionOf, Focus::ConceptionDay},
    {"Conception31November", GoodBirth, date(2001, 11, 31), 3, ConceptionOf, Focus::ConceptionDay},
    {"Conception31May", GoodBirth, date(2001, 5, 31), 0, {}, Focus::ConceptionDay},
    {"Conception30April", GoodBirth, date(2001, 4, 30), 0, {}, Focus::ConceptionDay},
    {"BirthLeapYear30February", date(1916, 2, 30), GoodConception, 4, Birth, Focus::BirthDay},
    {"BirthLeapDay1916", date(1916, 2, 29), GoodConception, 0, {}, Focus::ConceptionDay},
    {"BirthCommonYear29February", date(1915, 2, 29), GoodConception, 5, Birth, Focus::BirthDay},
    {"Birth31June", date(1980, 6, 31), GoodConception, 6, Birth, Focus::BirthDay},
    {"BothImpossibleConceptionFirst", date(1980, 6, 31), date(2001, 2, 29), 2, Conception,
        Focus::ConceptionDay},
    {"ConceptionBeforeBirthPasses", date(2010, 1, 1), date(1960, 1, 1), 0, {},
        Focus::ConceptionDay},
    // 1900 is no leap year in the calendar; only the Gregorian rule knows it.
    {"Birth29February1900EveryFourthYear", date(1900, 2, 29), GoodConception, 0, {},
        Focus::ConceptionDay},
    {"Birth29February1900Gregorian", date(1900, 2, 29), GoodConception, 5, Birth, Focus::BirthDay,
        LeapYearRule::Gregorian},
    {"Birth28February1900Gregorian", date(1900, 2, 28), GoodConception, 0, {}, Focus::ConceptionDay,
        LeapYearRule::Gregorian},
    {"Birth29February1856Gregorian", date(1856, 2, 29), GoodConception, 0, {}, Focus::ConceptionDay,
        LeapYearRule::Gregorian},
    {"Conception29February2000Gregorian", GoodBirth, date(2000, 2, 29), 0, {}, Focus::ConceptionDay,
        LeapYearRule::Gregorian},
    {"Conception29February2026Gregorian", GoodBirth, date(2026, 2, 29), 2, Conception,
        Focus::ConceptionDay, LeapYearRule::Gregorian},
    {"Conception30February2028Gregorian", GoodBirth, date(2028, 2, 30), 1, Conception,
        Focus::ConceptionDay, LeapYearRule::Gregorian},
    {"Conception31September2099Gregorian", GoodBirth, date(2099, 9, 31), 3, ConceptionOf,
        Focus::ConceptionDay, LeapYearRule::Gregorian},
    // No list position names the smallest int: the checks compare positions without
    // overflowing and find nothing to reject, by either rule.
    {"SmallestNumbersGregorian",
        date(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
            std::numeric_limits<int>::min()),
        date(2008, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()), 0, {},
        Focus::ConceptionDay, LeapYearRule::Gregorian},
    // No list position names the smallest int: the check compares positions without
    // overflowing and finds nothing to reject.
    {"SmallestNumbers",
        date(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
            std::numeric_limits<int>::min()),
        date(2008, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()), 0, {},
        Focus::ConceptionDay},
};

} // namespace

// Both dates, then the conception date alone, which fails exactly when its own checks do.
TEST_P(DateCheck, MakesTheSixChecksInOrder)
{
    const DateCheckCase &c = GetParam();
    const auto failure = CheckDateSelections(c.birth, c.conception, c.rule);
    const auto conceptionAlone = CheckConceptionDate(c.conception, c.rule);
    if (c.check == 0) {
        EXPECT_FALSE(failure.has_value());
        EXPECT_FALSE(conceptionAlone.has_value());
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->focus, c.focus);
    EXPECT_EQ(conceptionAlone.has_value(), c.check <= 3);
    if (conceptionAlone) {
        EXPECT_EQ(conceptionAlone->check, c.check);
        EXPECT_EQ(conceptionAlone->message, c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Dates, DateCheck, testing::ValuesIn(Cases), kq::test::RowName());

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

TEST(AgeOutOfRangeText, IsTheProgramsTwoLines)
{
    EXPECT_EQ(kq::AgeOutOfRangeText,
        std::string(22, ' ') + "Check The Date Of Conception.\r\n"
            + "Mother's Age Must Be Between 18 to 45 at Time Of Conception !");
}
