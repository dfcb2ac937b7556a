// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of one prediction from typed dates: the years and checks of the main window in order,
// the ends of the lists, and the lunar month of either calendar.
#include "Predictor.h"
#include "CliRun.h"
#include "Messages.h"
#include "ReplyJson.h"
#include "RowName.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <gtest/gtest.h>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

namespace {

struct RejectionCase
{
    const char *name;
    const char *birth;
    const char *conception;
    ReplyOutcome outcome;
    const char *message;
};

class PredictorRejects : public testing::TestWithParam<RejectionCase>
{
};

const RejectionCase RejectionCases[] = {
    {"ConceptionNotADate", "1980-01-01", "2008-2-1", ReplyOutcome::InvalidInput,
        "The date of conception must be written YYYY-MM-DD"},
    {"BirthNotADate", "x", "2008-02-01", ReplyOutcome::InvalidInput,
        "The date of birth must be written YYYY-MM-DD"},
    {"ConceptionReadFirst", "x", "y", ReplyOutcome::InvalidInput,
        "The date of conception must be written YYYY-MM-DD"},
    {"ConceptionBefore1901", "1880-01-01", "1900-12-31", ReplyOutcome::InvalidInput,
        "The year of conception must be between 1901 and 2099"},
    {"ConceptionAfter2099", "2070-01-01", "2100-01-01", ReplyOutcome::InvalidInput,
        "The year of conception must be between 1901 and 2099"},
    // With a conception in the main window's years, its birth list holds, as it always has.
    {"BirthBefore1915", "1914-12-31", "1960-01-01", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1915 and 2012"},
    {"BirthAfter2012", "2013-01-01", "2012-01-01", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1915 and 2012"},
    {"BirthBefore1856", "1855-12-31", "1901-01-01", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1856 and 2099"},
    {"BirthAfter2099", "2100-01-01", "2099-12-31", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1856 and 2099"},
    // 1900 is divisible by 4 but not a leap year.
    {"BirthOn29February1900", "1900-02-29", "1925-03-01", ReplyOutcome::InvalidDate,
        "Please Enter Correct Date Of Birth !"},
    {"ConceptionOn29FebruaryOfACommonYear", "1980-01-01", "2001-02-29", ReplyOutcome::InvalidDate,
        "Please Enter Correct Date Of Conception !"},
    {"ConceptionOn31April", "1980-01-01", "2001-04-31", ReplyOutcome::InvalidDate,
        "Please Enter Correct Date Of of Conception !"},
    {"BirthOn31June", "1980-06-31", "2001-04-30", ReplyOutcome::InvalidDate,
        "Please Enter Correct Date Of Birth !"},
    {"BothImpossibleConceptionFirst", "1980-06-31", "2004-02-30", ReplyOutcome::InvalidDate,
        "Please Enter Correct Date Of Conception !"},
    {"TooYoung", "1962-01-01", "1979-01-01", ReplyOutcome::AgeOutOfRange,
        "                      Check The Date Of Conception.\r\n"
        "Mother's Age Must Be Between 18 to 45 at Time Of Conception !"},
};

// The message of a reply, as its JSON answer carries it.
QString messageOf(const Reply &reply)
{
    return ReplyToJson(reply)["message"].toString();
}

} // namespace

TEST_P(PredictorRejects, WithTheMainWindowsChecksInOrder)
{
    const RejectionCase &c = GetParam();
    Predictor predictor(FixedToday);
    const Reply reply = predictor.predict(c.birth, c.conception);
    EXPECT_EQ(OutcomeOf(reply), c.outcome);
    EXPECT_EQ(messageOf(reply), c.message);
}

INSTANTIATE_TEST_SUITE_P(Dates, PredictorRejects, testing::ValuesIn(RejectionCases), RowName());

TEST(Predictor, AcceptsTheEndsOfTheLists)
{
    Predictor predictor(FixedToday);
    EXPECT_EQ(predictor.predict("1915-01-01", "1960-01-01").answer.motherChineseAge, 45);
    EXPECT_EQ(
        OutcomeOf(predictor.predict("1915-01-01", "1960-03-01")), ReplyOutcome::AgeOutOfRange);
    const Reply first = predictor.predict("1942-01-01", "1960-01-01");
    EXPECT_EQ(OutcomeOf(first), ReplyOutcome::Predicted);
    EXPECT_EQ(first.answer.motherChineseAge, 18);
    EXPECT_EQ(first.answer.lunarMonth.number, 12);
    const Reply last = predictor.predict("1990-01-01", "2012-12-31");
    EXPECT_EQ(last.answer.lunarMonth.number, 11);
    EXPECT_EQ(
        OutcomeOf(predictor.predict("2012-12-31", "2012-12-31")), ReplyOutcome::AgeOutOfRange);
}

namespace {

namespace lm = modDurorurOzivurediRuvidevo;

// The lunar month in force on a date and the calendar that gives it: the program's own table
// inside 1960 to 2012, the official calendar outside. The official months are those of the
// Hong Kong Observatory's conversion tables as python3-lunardate gives them; the first days
// of the years 2013, 2024, 2027 and 2030 are the published dates of the Chinese New Year.
struct LunarMonthCase
{
    const char *name;
    const char *date;
    int month;
    lm::LunarCalendar calendar;
};

class LunarMonths : public testing::TestWithParam<LunarMonthCase>
{
};

const LunarMonthCase LunarMonthCases[] = {
    {"TableLeapDay1976", "1976-02-29", 1, lm::LunarCalendar::Classic},
    {"TableFirstNewYear", "1960-01-28", 1, lm::LunarCalendar::Classic},
    {"TableFirstDay", "1960-01-01", 12, lm::LunarCalendar::Classic},
    {"TableLastDay", "2012-12-31", 11, lm::LunarCalendar::Classic},
    {"FirstDayOfTheCalendar", "1901-01-01", 11, lm::LunarCalendar::Extended},
    {"EveOfNewYear1901", "1901-02-18", 12, lm::LunarCalendar::Extended},
    {"NewYear1901", "1901-02-19", 1, lm::LunarCalendar::Extended},
    {"DayBeforeTheTable", "1959-12-31", 12, lm::LunarCalendar::Extended},
    {"DayAfterTheTable", "2013-01-01", 11, lm::LunarCalendar::Extended},
    {"EveOfNewYear2013", "2013-02-09", 12, lm::LunarCalendar::Extended},
    {"NewYear2013", "2013-02-10", 1, lm::LunarCalendar::Extended},
    {"LeapMonthCarriesTheNumberBefore", "2020-06-01", 4, lm::LunarCalendar::Extended},
    {"NewYear2024", "2024-02-10", 1, lm::LunarCalendar::Extended},
    {"EveOfNewYear2027", "2027-02-05", 12, lm::LunarCalendar::Extended},
    {"NewYear2027", "2027-02-06", 1, lm::LunarCalendar::Extended},
    {"EveOfNewYear2030", "2030-02-02", 12, lm::LunarCalendar::Extended},
    {"NewYear2030", "2030-02-03", 1, lm::LunarCalendar::Extended},
    {"LastDayOfTheCalendar", "2099-12-31", 11, lm::LunarCalendar::Extended},
};

} // namespace

TEST_P(LunarMonths, ComeFromTheTableInItsYearsAndTheOfficialCalendarOutside)
{
    const LunarMonthCase &c = GetParam();
    const LunarMonthReply reply = Predictor::lunarMonth(c.date);
    ASSERT_FALSE(reply.rejection) << RejectionMessage(*reply.rejection).toStdString();
    EXPECT_EQ(reply.month.number, c.month);
    EXPECT_EQ(reply.month.calendar, c.calendar);
    EXPECT_EQ(LunarMonthToJson(reply)["calendar"],
        c.calendar == lm::LunarCalendar::Classic ? "classic" : "extended");
}

INSTANTIATE_TEST_SUITE_P(Dates, LunarMonths, testing::ValuesIn(LunarMonthCases), RowName());

TEST(Predictor, LunarMonthOutsideTheCalendarOrOfADayThatDoesNotExist)
{
    EXPECT_EQ(OutcomeOf(Predictor::lunarMonth("1900-12-31")), ReplyOutcome::InvalidInput);
    EXPECT_EQ(OutcomeOf(Predictor::lunarMonth("2100-01-01")), ReplyOutcome::InvalidInput);
    const LunarMonthReply impossible = Predictor::lunarMonth("1975-02-29");
    EXPECT_EQ(OutcomeOf(impossible), ReplyOutcome::InvalidDate);
    EXPECT_EQ(LunarMonthToJson(impossible)["message"], "Please Enter Correct Date Of Conception !");
}
