// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of reading kq-predict's command line into one request: each mode with what it was
// given, and the first usage rule a command line breaks (the messages: KqPredictTest).
#include "Request.h"
#include "AnswerRuns.h"

#include <gtest/gtest.h>

using namespace kq::cli;
using namespace std::chrono;

namespace {

std::variant<Request, Usage> readArguments(QStringList arguments)
{
    arguments.prepend(QStringLiteral("kq-predict"));
    return ReadRequest(arguments);
}

template <typename Mode>
Mode requested(const QStringList &arguments)
{
    const auto read = readArguments(arguments);
    EXPECT_TRUE(std::holds_alternative<Request>(read)) << arguments.join(u' ').toStdString();
    if (!std::holds_alternative<Request>(read))
        return {};
    const Request &request = std::get<Request>(read);
    EXPECT_TRUE(std::holds_alternative<Mode>(request)) << arguments.join(u' ').toStdString();
    return std::holds_alternative<Mode>(request) ? std::get<Mode>(request) : Mode {};
}

UsageProblem problemOf(const QStringList &arguments)
{
    const auto read = readArguments(arguments);
    EXPECT_TRUE(std::holds_alternative<Usage>(read)) << arguments.join(u' ').toStdString();
    return std::holds_alternative<Usage>(read) ? std::get<Usage>(read).problem
                                               : UsageProblem::ParserError;
}

} // namespace

TEST(ReadRequest, APredictionWithItsDatesAndForm)
{
    const auto prediction = requested<PredictionRequest>({"--birth", "1980-06-15", "--conception",
        "2008-02-30", "--today", "2008-06-01", "--around", "12", "--explain"});
    EXPECT_EQ(prediction.birth, (kq::DateSelection {15, 6, 1980}));
    // The day need not exist: the date check says so later, in its own words.
    EXPECT_EQ(prediction.conception, (kq::DateSelection {30, 2, 2008}));
    EXPECT_FALSE(prediction.estimatedFrom.has_value());
    EXPECT_EQ(prediction.aroundDays, 12);
    EXPECT_EQ(prediction.today, year {2008} / June / day {1});
    EXPECT_FALSE(prediction.json);
    EXPECT_TRUE(prediction.explain);

    const auto written
        = requested<PredictionRequest>({"--birth", "1980-6-15", "--conception", "x"});
    EXPECT_FALSE(written.birth.has_value());
    EXPECT_FALSE(written.conception.has_value());
    EXPECT_FALSE(written.today.has_value());
}

TEST(ReadRequest, AnEstimatedConceptionSaysFromWhat)
{
    const auto due = requested<PredictionRequest>({"--birth", "1980-06-15", "--due", "2008-11-14"});
    EXPECT_EQ(due.estimatedFrom, EstimatedFrom::DueDate);
    EXPECT_EQ(due.conception, (kq::DateSelection {14, 11, 2008}));
    const auto lastPeriod = requested<PredictionRequest>(
        {"--birth", "1980-06-15", "--last-period", "2008-02-08", "--json"});
    EXPECT_EQ(lastPeriod.estimatedFrom, EstimatedFrom::LastPeriod);
    EXPECT_TRUE(lastPeriod.json);
}

TEST(ReadRequest, TheOtherModes)
{
    EXPECT_EQ(requested<BatchRequest>({"--batch"}).today, std::nullopt);
    EXPECT_EQ(requested<BatchRequest>({"--batch", "--today", "2000-02-29"}).today,
        year {2000} / February / day {29});
    const auto month = requested<LunarMonthRequest>({"--lunar-month", "2057-10-01", "--explain"});
    EXPECT_EQ(month.date, (kq::DateSelection {1, 10, 2057}));
    EXPECT_TRUE(month.explain);
    EXPECT_TRUE(requested<ChartRequest>({"--chart", "--json"}).json);
    EXPECT_FALSE(requested<ChartRequest>({"-chart"}).json);
    EXPECT_EQ(requested<EvaluateRequest>({"--evaluate"}).secondDate, SecondDate::Conception);
    const auto births = requested<EvaluateRequest>({"--evaluate", "--from-birth", "--json"});
    EXPECT_EQ(births.secondDate, SecondDate::BabyBirth);
    EXPECT_TRUE(births.json);
}

// Where a command line breaks several rules, the first in the table's order is reported.
TEST(ReadRequest, ReportsTheFirstRuleBroken)
{
    EXPECT_EQ(problemOf({"--bogus"}), UsageProblem::ParserError);
    EXPECT_EQ(problemOf({"--chart", "extra", "--chart"}), UsageProblem::UnexpectedArgument);
    EXPECT_EQ(problemOf({"--lunar-month", "2008-01-01", "--lunar-month", "2008-01-02", "--chart"}),
        UsageProblem::GivenTwice);
    EXPECT_EQ(problemOf({"--evaluate", "--batch", "--from-birth"}), UsageProblem::EvaluateAlone);
    EXPECT_EQ(
        problemOf({"--from-birth", "--batch", "--chart"}), UsageProblem::FromBirthWithoutEvaluate);
    EXPECT_EQ(problemOf({"--json"}), UsageProblem::NoQuestion);
    EXPECT_EQ(problemOf({"--batch", "--due", "2008-10-01", "--conception", "2008-01-01"}),
        UsageProblem::TwoQuestions);
    EXPECT_EQ(problemOf({"--due", "2008-10-01", "--conception", "2008-01-01"}),
        UsageProblem::TwoConceptionSources);
    EXPECT_EQ(
        problemOf({"--due", "2008-10-01", "--around", "0"}), UsageProblem::PredictionIncomplete);
    EXPECT_EQ(problemOf({"--chart", "--around", "0"}), UsageProblem::AroundWithoutPrediction);
    EXPECT_EQ(problemOf({"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "61",
                  "--explain", "--json"}),
        UsageProblem::AroundDays);
    EXPECT_EQ(problemOf({"--evaluate", "--explain", "--json"}), UsageProblem::ExplainWithEvaluate);
    EXPECT_EQ(
        problemOf({"--chart", "--explain", "--today", "x"}), UsageProblem::ExplainWithoutText);
    EXPECT_EQ(problemOf({"--chart", "--today", "x"}), UsageProblem::TodayWithoutPrediction);
    EXPECT_EQ(problemOf({"--batch", "--today", "2001-02-29"}), UsageProblem::TodayNotADate);
}

TEST(ReadRequest, UsageCarriesWhatItNames)
{
    const auto unexpected = std::get<Usage>(readArguments({"--chart", "extra"}));
    EXPECT_EQ(unexpected.text, "extra");
    const auto twice
        = std::get<Usage>(readArguments({"--today", "2008-01-01", "--today", "2008-01-02"}));
    EXPECT_EQ(twice.text, "today");
    const auto days = std::get<Usage>(
        readArguments({"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "ten"}));
    EXPECT_EQ(days.first, FewestAroundDays);
    EXPECT_EQ(days.last, MostAroundDays);
}
