// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of kq-predict's command line, run in the test process: the answers as text and JSON,
// the working, the estimates, --around, the extended calendar, and wrong usage with status 64.
#include "KqPredict.h"
#include "CliRun.h"
#include "ReplyJson.h"
#include "RowName.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <algorithm>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

TEST(RunKqPredict, PredictionAsTextAndAsJson)
{
    const CliRun text
        = RunCli({"--birth", "1980-06-15", "--conception", "2009-03-15", "--today", "2009-11-30"});
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.err, "");
    EXPECT_NE(text.out.find("Mother's Chinese age:      30\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Congratulations!! Your predicted to have a Baby"), std::string::npos);

    const CliRun json = RunCli({"--birth", "1980-06-15", "--conception", "2009-03-15", "--json"});
    EXPECT_EQ(json.status, ExitPredicted);
    const std::vector<std::string> lines = LinesOf(json.out);
    ASSERT_EQ(lines.size(), 1u);
    const QJsonObject object = ParseObject(lines[0]);
    EXPECT_EQ(KeysOf(object), PredictionKeys);
    // Without --today the injected "today", 1 December 2009, counts nine months.
    EXPECT_EQ(object["congratulationMessage"], "Congratulations!! Your Baby is predicted to be a");
}

TEST(RunKqPredict, ExplainShowsTheWorking)
{
    const CliRun explained
        = RunCli({"--birth", "1980-06-15", "--conception", "2008-02-21", "--explain"});
    EXPECT_EQ(explained.status, ExitPredicted);
    EXPECT_NE(explained.out.find("Base age: 2008 - 1980 = 28"), std::string::npos) << explained.out;
    EXPECT_NE(explained.out.find("+1"), std::string::npos);
    EXPECT_NE(explained.out.find("lunar month 1, which began on 2008-02-07"), std::string::npos);
    EXPECT_NE(explained.out.find("[Girl]"), std::string::npos);

    const CliRun before
        = RunCli({"--birth", "1980-06-15", "--conception", "2008-02-20", "--explain"});
    EXPECT_NE(before.out.find("New-year step: none"), std::string::npos) << before.out;
    EXPECT_NE(before.out.find("which began on 2008-02-07"), std::string::npos);
}

TEST(RunKqPredict, RejectionsGoToStandardErrorOrIntoTheJson)
{
    const CliRun age = RunCli({"--birth", "1962-01-01", "--conception", "1979-01-01"});
    EXPECT_EQ(age.status, ExitAgeOutOfRange);
    EXPECT_EQ(age.out, "");
    EXPECT_NE(age.err.find("Mother's Age Must Be Between 18 to 45"), std::string::npos);

    const CliRun date = RunCli({"--birth", "1980-06-31", "--conception", "2001-02-29", "--json"});
    EXPECT_EQ(date.status, ExitInvalidInput);
    EXPECT_EQ(date.err, "");
    EXPECT_EQ(ParseObject(LinesOf(date.out).at(0))["message"],
        "Please Enter Correct Date Of Conception !");

    const CliRun input = RunCli({"--birth", "1980-06-15", "--conception", "soon"});
    EXPECT_EQ(input.status, ExitInvalidInput);
    EXPECT_NE(input.err.find("YYYY-MM-DD"), std::string::npos);
}

TEST(RunKqPredict, LunarMonthAndChart)
{
    const CliRun month = RunCli({"--lunar-month", "1995-01-01"});
    EXPECT_EQ(month.status, ExitPredicted);
    EXPECT_EQ(month.out, "12\n");
    const CliRun monthJson = RunCli({"--lunar-month", "2012-12-13", "--json"});
    EXPECT_EQ(ParseObject(LinesOf(monthJson.out).at(0))["conceptionLunarMonth"], 11);
    EXPECT_EQ(RunCli({"--lunar-month", "2100-01-01"}).status, ExitInvalidInput);

    const CliRun chart = RunCli({"--chart"});
    EXPECT_EQ(chart.status, ExitPredicted);
    EXPECT_EQ(LinesOf(chart.out).size(), 30u); // title, header, 28 ages
    const CliRun chartJson = RunCli({"--chart", "--json"});
    EXPECT_EQ(ParseObject(LinesOf(chartJson.out).at(0)), ChartToJson());
}

TEST(RunKqPredict, BatchReadsStandardInput)
{
    const CliRun batch = RunCli({"--batch", "--today", "2008-03-01"},
        "1980-06-15 2008-02-21\nnonsense\n1962-01-01 1979-01-01\n");
    EXPECT_EQ(batch.status, ExitPredicted);
    const std::vector<std::string> lines = LinesOf(batch.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(ParseObject(lines[0])["congratulationMessage"],
        "Congratulations!! Your predicted to have a Baby");
    EXPECT_EQ(ParseObject(lines[1])["line"], 2);
    EXPECT_EQ(ParseObject(lines[2])["outcome"], "AgeOutOfRange");
}

// A prediction from an estimated date is the prediction for that date, with the estimate said
// first: in text, in JSON and in the working.
TEST(RunKqPredict, DueDateAndLastPeriodSayTheConceptionIsEstimated)
{
    const QStringList given = {"--birth", "1980-06-15", "--today", "2008-06-01"};
    const CliRun conception = RunCli(given + QStringList {"--conception", "2008-02-22"});
    const CliRun due = RunCli(given + QStringList {"--due", "2008-11-14"});
    EXPECT_EQ(due.status, ExitPredicted);
    EXPECT_EQ(due.out,
        "Conception (estimated):    2008-02-22, 266 days before the due date 2008-11-14\n"
            + conception.out);
    const CliRun lastPeriod = RunCli(given + QStringList {"--last-period", "2008-02-08"});
    EXPECT_EQ(lastPeriod.out,
        "Conception (estimated):    2008-02-22, 14 days after the first day of the last period "
        "2008-02-08\n"
            + conception.out);

    QJsonObject expected
        = ParseObject(RunCli(given + QStringList {"--conception", "2008-02-22", "--json"}).out);
    expected.insert("estimatedConceptionDate", "2008-02-22");
    expected.insert("estimatedFrom", "dueDate");
    EXPECT_EQ(
        ParseObject(RunCli(given + QStringList {"--due", "2008-11-14", "--json"}).out), expected);

    const CliRun explained
        = RunCli(given + QStringList {"--last-period", "2008-02-08", "--explain"});
    EXPECT_NE(explained.out.find("How it was worked out:\n  Estimated conception: 2008-02-22, 14 "
                                 "days after the first day of the last period 2008-02-08\n"),
        std::string::npos)
        << explained.out;
    EXPECT_NE(explained.out.find("Naegele's rule"), std::string::npos);

    // A rejection names the estimated date it was made for.
    const CliRun young = RunCli({"--birth", "1992-01-01", "--due", "2008-11-14"});
    EXPECT_EQ(young.status, ExitAgeOutOfRange);
    EXPECT_NE(young.err.find("Conception (estimated): 2008-02-22"), std::string::npos) << young.err;
    // 1901 is a common year: 1901-01-01 is 266 days before 1901-09-24.
    const CliRun outside = RunCli({"--birth", "1880-06-15", "--due", "1901-09-23"});
    EXPECT_EQ(outside.status, ExitInvalidInput);
    EXPECT_EQ(outside.out, "");
    EXPECT_NE(outside.err.find("1900-12-31"), std::string::npos) << outside.err;
    EXPECT_EQ(RunCli({"--birth", "1880-06-15", "--due", "1901-09-24"}).status, ExitPredicted);
    EXPECT_EQ(std::count(outside.err.begin(), outside.err.end(), '\n'), 1) << outside.err;
}

TEST(RunKqPredict, AroundAsATableAndAsAJsonArray)
{
    const QStringList question
        = {"--birth", "1980-06-15", "--conception", "2008-03-08", "--around", "3"};
    const CliRun text = RunCli(question);
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.out,
        RunCli({"--birth", "1980-06-15", "--conception", "2008-03-08"}).out
            + "\nConceived within 3 days of 2008-03-08:\n"
              "First day   Last day    Age  Month  Gender\n"
              "2008-03-05  2008-03-07   29      1  Girl\n"
              "2008-03-08  2008-03-11   29      2  Boy\n");

    const QJsonObject object = ParseObject(RunCli(question + QStringList {"--json"}).out);
    EXPECT_EQ(object["gender"], "Boy");
    const QJsonArray runs = object["around"].toArray();
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs[0].toObject(),
        QJsonObject({{"firstDay", "2008-03-05"}, {"lastDay", "2008-03-07"},
            {"outcome", "Predicted"}, {"motherChineseAge", 29}, {"conceptionLunarMonth", 1},
            {"calendar", "classic"}, {"gender", "Girl"}}));
    EXPECT_EQ(runs[1].toObject()["firstDay"], "2008-03-08");

    // The day asked about is outside the chart's ages, some of its neighbours are not: the
    // rejection as without --around, and the table.
    const CliRun rejected
        = RunCli({"--birth", "1963-01-01", "--conception", "2008-02-21", "--around", "1"});
    EXPECT_EQ(rejected.status, ExitAgeOutOfRange);
    EXPECT_NE(rejected.err.find("Mother's Chinese age: 46"), std::string::npos);
    EXPECT_NE(rejected.out.find("2008-02-20  2008-02-20   45      1  Girl\n"
                                "2008-02-21  2008-02-22   46      -  none: age outside 18 to 45\n"),
        std::string::npos)
        << rejected.out;
}

// Outside 1960 to 2012 the official calendar answers, and the answers say so: one more text
// line, the JSON key, words in the working. 2027-02-06 is the Chinese New Year; the chart gives
// age 37, month 1 Boy.
TEST(RunKqPredict, ExtendedCalendarSaysSo)
{
    const QStringList question
        = {"--birth", "1990-03-01", "--conception", "2027-02-06", "--today", "2027-03-01"};
    const CliRun text = RunCli(question);
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.out,
        "Mother's Chinese age:      37\n"
        "Lunar month of conception: 1\n"
        "Calendar:                  extended (the official Chinese calendar of 1901 to 2099)\n"
        "Gender:                    Boy\n"
        "Colour:                    Blue\n"
        "Congratulations!! Your predicted to have a Baby Boy\n");
    EXPECT_EQ(ParseObject(RunCli(question + QStringList {"--json"}).out)["calendar"], "extended");
    const CliRun explained = RunCli(question + QStringList {"--explain"});
    EXPECT_NE(explained.out.find("Conceived on 2027-02-06: lunar month 1, which began on "
                                 "2027-02-06\n  Calendar: extended, the official Chinese"),
        std::string::npos)
        << explained.out;

    EXPECT_EQ(RunCli({"--lunar-month", "2027-02-06"}).out,
        "1\nCalendar: extended (the official Chinese calendar of 1901 to 2099)\n");
    EXPECT_EQ(RunCli({"--lunar-month", "2027-02-06", "--json"}).out,
        "{\"calendar\":\"extended\",\"conceptionLunarMonth\":1}\n");
    EXPECT_EQ(RunCli({"--lunar-month", "2012-12-31", "--json"}).out,
        "{\"calendar\":\"classic\",\"conceptionLunarMonth\":11}\n");
}

namespace {

// The working names the calendar only where the extended one answered, and a disputed first
// day of the month (the day itself, or a month that began on it or the day after) only there:
// inside 1960 to 2012 the working reads as it always has, 1978-09-03 included.
struct WorkingCase
{
    const char *name;
    const char *date;
    bool calendarWords;
    bool disputedWords;
};

class CalendarWorking : public testing::TestWithParam<WorkingCase>
{
};

const WorkingCase WorkingCases[] = {
    {"TableYears", "2012-12-31", false, false},
    {"TableYearsOnTheDisputedDayOf1978", "1978-09-02", false, false},
    {"TableYearsMonthAfterTheDisputedDayOf1978", "1978-09-03", false, false},
    {"OfficialCalendar", "2013-01-01", true, false},
    {"DayBeforeADisputedDay", "2057-09-27", true, false},
    {"DisputedDay2057", "2057-09-28", true, true},
    {"MonthBeganOnADisputedDay", "2057-10-10", true, true},
    {"DisputedDay1933", "1933-07-22", true, true},
    {"DisputedDay1954", "1954-11-25", true, true},
    {"DisputedDay1956", "1956-12-02", true, true},
};

} // namespace

TEST_P(CalendarWorking, NamesTheExtendedCalendarAndADisputedStart)
{
    const WorkingCase &c = GetParam();
    const CliRun explained = RunCli({"--lunar-month", c.date, "--explain"});
    EXPECT_EQ(explained.status, ExitPredicted);
    EXPECT_EQ(explained.out.find("  Calendar: extended") != std::string::npos, c.calendarWords)
        << explained.out;
    EXPECT_EQ(explained.out.find("  Disputed: ") != std::string::npos, c.disputedWords)
        << explained.out;
}

INSTANTIATE_TEST_SUITE_P(Explain, CalendarWorking, testing::ValuesIn(WorkingCases), RowName());

namespace {

struct UsageCase
{
    const char *name;
    QStringList arguments;
    std::string input = {}; // standard input: a record --evaluate would accept
    const char *message = nullptr; // the first line of standard error, where the row names it
};

// A record --evaluate accepts (a girl predicted, a girl born), so that a missing usage check
// would end with status 0.
const std::string EvaluableRecord = "1980-06-15 2008-02-21 F\n";

class WrongUsage : public testing::TestWithParam<UsageCase>
{
};

const UsageCase UsageCases[] = {
    {"Nothing", {}},
    {"UnknownOption", {"--bogus"}},
    {"BirthOnly", {"--birth", "1980-01-01"}},
    {"ConceptionOnly", {"--conception", "2008-01-01"}},
    {"MissingValue", {"--birth"}},
    {"PositionalArgument", {"--chart", "extra"}, {}, "kq-predict: unexpected argument 'extra'"},
    {"TwoModes", {"--chart", "--batch"}, {},
        "kq-predict: choose one of a prediction (--birth, --conception), --batch, --lunar-month "
        "and --chart"},
    {"PredictionAndChart", {"--birth", "1980-01-01", "--conception", "2008-01-01", "--chart"}},
    {"GivenTwice", {"--birth", "1980-01-01", "--birth", "1981-01-01", "--conception", "2008-01-01"},
        {}, "kq-predict: --birth is given more than once"},
    {"ExplainWithJson",
        {"--birth", "1980-01-01", "--conception", "2008-01-01", "--json", "--explain"}},
    {"ExplainWithBatch", {"--batch", "--explain"}},
    {"TodayWithChart", {"--chart", "--today", "2008-01-01"}},
    {"TodayNotADate",
        {"--birth", "1980-01-01", "--conception", "2008-01-01", "--today", "2008-02-30"}},
    {"DueWithConception",
        {"--birth", "1980-01-01", "--conception", "2008-01-01", "--due", "2008-10-01"}},
    {"DueWithLastPeriod",
        {"--birth", "1980-01-01", "--due", "2008-10-01", "--last-period", "2008-01-01"}},
    {"DueWithoutBirth", {"--due", "2008-10-01"}},
    {"LastPeriodGivenTwice",
        {"--birth", "1980-01-01", "--last-period", "2008-01-01", "--last-period", "2008-01-02"}},
    {"DueWithBatch", {"--batch", "--due", "2008-10-01"}},
    {"AroundWithoutAPrediction", {"--lunar-month", "2008-01-01", "--around", "5"}},
    {"AroundWithBatch", {"--batch", "--around", "5"}},
    {"AroundZero", {"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "0"}, {},
        "kq-predict: --around needs a whole number of days from 1 to 60"},
    {"AroundMoreThan60", {"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "61"}},
    {"AroundNotANumber",
        {"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "ten"}},
    {"EvaluateWithBatch", {"--evaluate", "--batch"}, EvaluableRecord},
    {"EvaluateWithPrediction",
        {"--evaluate", "--birth", "1980-01-01", "--conception", "2008-01-01"}, EvaluableRecord},
    {"EvaluateWithExplain", {"--evaluate", "--explain"}, EvaluableRecord},
    {"EvaluateWithToday", {"--evaluate", "--today", "2008-01-01"}, EvaluableRecord},
    {"EvaluateWithFileArgument", {"--evaluate", "records.txt"}, EvaluableRecord},
    {"FromBirthAlone", {"--from-birth"}, EvaluableRecord},
    {"FromBirthWithBatch", {"--batch", "--from-birth"}, EvaluableRecord},
};

} // namespace

TEST_P(WrongUsage, Exits64WithAMessage)
{
    const CliRun result = RunCli(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("kq-predict: ", 0), 0u) << result.err;
    if (GetParam().message) {
        EXPECT_EQ(result.err,
            std::string(GetParam().message) + "\nTry 'kq-predict --help' for more information.\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Options, WrongUsage, testing::ValuesIn(UsageCases), RowName());
