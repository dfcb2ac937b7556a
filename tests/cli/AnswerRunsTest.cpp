// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of --around: the runs of equal answers around a date of conception.
#include "AnswerRuns.h"
#include "CliRun.h"
#include "IsoDate.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

namespace {

// The runs around a date of conception, from the documented rules: the Chinese age steps up on
// 21 February, lunar month 1 of 2008 began on 7 February and month 2 on 8 March, and the chart
// gives age 28, month 1 Boy; age 29, month 1 Girl and month 2 Boy; age 25, month 12 Boy.
struct Run
{
    const char *firstDay;
    const char *lastDay;
    int age;
    int lunarMonth; // 0: age outside the chart
    const char *gender;
};

struct AroundCase
{
    const char *name;
    const char *birth;
    const char *conception;
    int days;
    std::vector<Run> runs;
};

class AnswersAroundADate : public testing::TestWithParam<AroundCase>
{
};

const AroundCase AroundCases[] = {
    {"OverTheNewYearStepOfTheAge", "1980-06-15", "2008-02-21", 12,
        {{"2008-02-09", "2008-02-20", 28, 1, "Boy"}, {"2008-02-21", "2008-03-04", 29, 1, "Girl"}}},
    {"OverTheStartOfALunarMonth", "1980-06-15", "2008-03-08", 3,
        {{"2008-03-05", "2008-03-07", 29, 1, "Girl"}, {"2008-03-08", "2008-03-11", 29, 2, "Boy"}}},
    {"OneDayEachSide", "1980-06-15", "2008-02-20", 1,
        {{"2008-02-19", "2008-02-20", 28, 1, "Boy"}, {"2008-02-21", "2008-02-21", 29, 1, "Girl"}}},
    {"IntoAnAgeOutsideTheChart", "1963-01-01", "2008-02-25", 5,
        {{"2008-02-20", "2008-02-20", 45, 1, "Girl"}, {"2008-02-21", "2008-03-01", 46, 0, ""}}},
    // Lunar month 11 of the official calendar runs from 1900-12-22 to 1901-01-19; the chart
    // gives age 25, month 11 Boy.
    {"CutAtTheFirstDayOfTheSpan", "1876-01-01", "1901-01-02", 5,
        {{"1901-01-01", "1901-01-07", 25, 11, "Boy"}}},
};

} // namespace

TEST_P(AnswersAroundADate, AreRunsOfEqualAnswers)
{
    const AroundCase &c = GetParam();
    const std::vector<AnswerRun> runs = AnswersAround(
        ParseIsoDate(c.birth), *ParseCalendarDate(c.conception), c.days, FixedToday);
    ASSERT_EQ(runs.size(), c.runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(c.runs[i].firstDay);
        EXPECT_EQ(runs[i].firstDay, ParseCalendarDate(c.runs[i].firstDay));
        EXPECT_EQ(runs[i].lastDay, ParseCalendarDate(c.runs[i].lastDay));
        EXPECT_EQ(runs[i].motherChineseAge, c.runs[i].age);
        EXPECT_EQ(runs[i].outcome,
            c.runs[i].lunarMonth ? ReplyOutcome::Predicted : ReplyOutcome::AgeOutOfRange);
        EXPECT_EQ(runs[i].lunarMonth, c.runs[i].lunarMonth);
        if (c.runs[i].lunarMonth) {
            EXPECT_EQ(runs[i].gender,
                std::string_view(c.runs[i].gender) == "Boy" ? kq::Gender::Boy : kq::Gender::Girl);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Around, AnswersAroundADate, testing::ValuesIn(AroundCases), RowName());
