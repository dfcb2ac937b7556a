// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of reading and writing the dates of kq-predict's command line and input lines.
#include "IsoDate.h"

#include <gtest/gtest.h>

using namespace kq::cli;
using namespace std::chrono;

TEST(IsoDate, ReadsOnlyYyyyMmDdWithDayAndMonthInTheLists)
{
    const auto leapDay = ParseIsoDate("2001-02-29"); // the date check, not the reader, rejects it
    ASSERT_TRUE(leapDay.has_value());
    EXPECT_EQ(*leapDay, (kq::DateSelection {29, 2, 2001}));
    EXPECT_EQ(ParseIsoDate("1856-12-31"), (kq::DateSelection {31, 12, 1856}));
    for (const char *bad : {"", "2001-2-28", "2001-02-1", "01-02-2001", "2001/02/01", "2001-00-10",
             "2001-13-10", "2001-01-00", "2001-01-32", " 2001-01-01", "2001-01-01 ",
             "２００１-01-01", "+001-01-01", "2001-01-0x"})
        EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
    EXPECT_FALSE(ParseCalendarDate("2001-02-29").has_value());
    EXPECT_EQ(ParseCalendarDate("2000-02-29"), year_month_day(year {2000} / February / day {29}));
}

TEST(IsoDate, WritesYyyyMmDdWithLeadingZeros)
{
    EXPECT_EQ(FormatIsoDate(kq::DateSelection {5, 3, 1901}), "1901-03-05");
    EXPECT_EQ(FormatIsoDate(kq::DateSelection {31, 4, 2001}), "2001-04-31");
    EXPECT_EQ(FormatIsoDate(year {2099} / December / day {31}), "2099-12-31");
}
