// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the conception estimated from a due date or the first day of the last period.
#include "ConceptionEstimate.h"
#include "IsoDate.h"
#include "Messages.h"
#include "Rejection.h"
#include "RowName.h"

#include <gtest/gtest.h>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

namespace {

// Dates counted by hand on a calendar: 266 days before a due date, 14 days after the first day
// of the last period.
struct EstimateCase
{
    const char *name;
    EstimatedFrom from;
    const char *given;
    const char *conception; // null: no estimate, `error` says why
    const char *error = "";
};

class ConceptionEstimates : public testing::TestWithParam<EstimateCase>
{
};

const EstimateCase EstimateCases[] = {
    // 7 days left of February 2008 (29 days), 245 from March to October, 14 of November.
    {"DueDateBackAcrossALeapDay", EstimatedFrom::DueDate, "2008-11-14", "2008-02-22"},
    {"DueDateOntoALeapDay", EstimatedFrom::DueDate, "2008-11-21", "2008-02-29"},
    {"DueDateOntoTheEndOfACommonFebruary", EstimatedFrom::DueDate, "2009-11-21", "2009-02-28"},
    {"DueDateBackIntoTheYearBefore", EstimatedFrom::DueDate, "2009-09-01", "2008-12-09"},
    // 1960 is a leap year: 31 days of January, 29 of February, 184 from March to August, 22
    // of September.
    {"DueDateGivingTheFirstDayOfTheSpan", EstimatedFrom::DueDate, "1960-09-23", "1960-01-01"},
    {"DueDateGivingADayBeforeTheSpan", EstimatedFrom::DueDate, "1960-09-22", nullptr,
        "The estimated date of conception, 1959-12-31 (266 days before the due date "
        "1960-09-22), must be in the years 1960 to 2012"},
    {"LastPeriodOverALeapDay", EstimatedFrom::LastPeriod, "2008-02-20", "2008-03-05"},
    {"LastPeriodOverACommonFebruary", EstimatedFrom::LastPeriod, "2009-02-20", "2009-03-06"},
    {"LastPeriodIntoTheNextYear", EstimatedFrom::LastPeriod, "2011-12-25", "2012-01-08"},
    {"LastPeriodGivingTheLastDayOfTheSpan", EstimatedFrom::LastPeriod, "2012-12-17", "2012-12-31"},
    {"LastPeriodGivingADayAfterTheSpan", EstimatedFrom::LastPeriod, "2012-12-18", nullptr,
        "The estimated date of conception, 2013-01-01 (14 days after the first day of the last "
        "period 2012-12-18), must be in the years 1960 to 2012"},
    {"DueDateThatDoesNotExist", EstimatedFrom::DueDate, "2009-02-29", nullptr,
        "The due date must be a date that exists, written YYYY-MM-DD"},
    {"LastPeriodNotWrittenYyyyMmDd", EstimatedFrom::LastPeriod, "20.2.2009", nullptr,
        "The first day of the last period must be a date that exists, written YYYY-MM-DD"},
};

} // namespace

TEST_P(ConceptionEstimates, CountTheDaysOnTheCalendar)
{
    const EstimateCase &c = GetParam();
    Rejection rejection;
    const auto estimate = EstimateConception(c.from, ParseIsoDate(c.given), 1960, 2012, rejection);
    if (!c.conception) {
        EXPECT_FALSE(estimate.has_value());
        EXPECT_EQ(RejectionMessage(rejection), c.error);
        return;
    }
    ASSERT_TRUE(estimate.has_value()) << RejectionMessage(rejection).toStdString();
    EXPECT_EQ(estimate->conception, ParseCalendarDate(c.conception));
    EXPECT_EQ(estimate->given, ParseCalendarDate(c.given));
}

INSTANTIATE_TEST_SUITE_P(
    DueDateAndLastPeriod, ConceptionEstimates, testing::ValuesIn(EstimateCases), RowName());
