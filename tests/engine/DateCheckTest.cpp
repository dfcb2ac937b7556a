// Tests of the main window's date check on the two chosen dates: the six checks in order,
// their messages (word for word) and the day list that gets the focus; conception first.
#include "Prediction.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using kq::CheckDateSelections;
using kq::DateCheckFailure;
using kq::DateSelection;
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
    // No list position names the smallest int: the check compares positions without
    // overflowing (found by fuzzing) and finds nothing to reject.
    {"SmallestNumbers",
        date(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
            std::numeric_limits<int>::min()),
        date(2008, std::numeric_limits<int>::min(), std::numeric_limits<int>::min()), 0, {},
        Focus::ConceptionDay},
};

} // namespace

TEST_P(DateCheck, MakesTheSixChecksInOrder)
{
    const DateCheckCase &c = GetParam();
    const auto failure = CheckDateSelections(c.birth, c.conception);
    if (c.check == 0) {
        EXPECT_FALSE(failure.has_value());
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateCheck, testing::ValuesIn(Cases),
    [](const testing::TestParamInfo<DateCheckCase> &info) { return std::string(info.param.name); });

TEST(DateCheck, EveryDayOfEveryListedYearPassesExactlyWhenItExists)
{
    using namespace std::chrono;
    for (int y = 1915; y <= 2012; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d) {
                const year_month_day calendarDay {
                    year {y}, month {static_cast<unsigned>(m)}, day {static_cast<unsigned>(d)}};
                const bool exists = calendarDay.ok();
                EXPECT_EQ(!CheckDateSelections(date(y, m, d), GoodConception).has_value(), exists)
                    << y << "-" << m << "-" << d;
                if (y >= 1960) {
                    EXPECT_EQ(!CheckDateSelections(GoodBirth, date(y, m, d)).has_value(), exists)
                        << y << "-" << m << "-" << d;
                }
            }
}

TEST(AgeOutOfRangeMessage, IsTheProgramsTwoLines)
{
    EXPECT_EQ(kq::AgeOutOfRangeMessage(),
        std::string(22, ' ') + "Check The Date Of Conception.\r\n"
            + "Mother's Age Must Be Between 18 to 45 at Time Of Conception !");
}
