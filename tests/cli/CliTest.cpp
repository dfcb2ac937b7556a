// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of kq-predict's handling, called in the test process: reading dates as the main
// window accepts them, the JSON keys, the --batch lines and the options with their exit
// statuses.
#include "AnswerRuns.h"
#include "BatchLineReader.h"
#include "BatchRunner.h"
#include "ConceptionEstimate.h"
#include "IsoDate.h"
#include "KqPredict.h"
#include "Predictor.h"
#include "ReplyJson.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace kq::cli;
using namespace std::chrono;

namespace {

const year_month_day FixedToday = year {2009} / December / day {1};

const std::set<QString> PredictionKeys = {"outcome", "motherChineseAge", "conceptionLunarMonth",
    "calendar", "gender", "babyColour", "babyColourName", "congratulationMessage"};

std::set<QString> keysOf(const QJsonObject &object)
{
    const QStringList keys = object.keys();
    return {keys.begin(), keys.end()};
}

QJsonObject parseObject(const std::string &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(document.isObject()) << line;
    return document.object();
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

struct CliRun
{
    int status = 0;
    std::string out;
    std::string err;
};

CliRun run(QStringList arguments, const std::string &input = {})
{
    arguments.prepend(QStringLiteral("kq-predict"));
    std::istringstream in(input);
    std::ostringstream out, err;
    CliRun result;
    result.status = RunKqPredict(arguments, {in, out, err, [] { return FixedToday; }});
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace

TEST(IsoDate, ReadsOnlyYyyyMmDdWithDayAndMonthInTheLists)
{
    const auto leapDay = ParseIsoDate("2001-02-29"); // the date check, not the reader, rejects it
    ASSERT_TRUE(leapDay.has_value());
    EXPECT_EQ(leapDay->Year, 2001);
    EXPECT_EQ(leapDay->Month, 2);
    EXPECT_EQ(leapDay->Day, 29);
    for (const char *bad : {"", "2001-2-28", "2001-02-1", "01-02-2001", "2001/02/01", "2001-00-10",
             "2001-13-10", "2001-01-00", "2001-01-32", " 2001-01-01", "2001-01-01 ",
             "２００１-01-01", "+001-01-01", "2001-01-0x"})
        EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
    EXPECT_FALSE(ParseCalendarDate("2001-02-29").has_value());
    EXPECT_EQ(ParseCalendarDate("2000-02-29"), year_month_day(year {2000} / February / day {29}));
}

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
    std::string error;
    const auto estimate = EstimateConception(c.from, c.given, 1960, 2012, error);
    if (!c.conception) {
        EXPECT_FALSE(estimate.has_value());
        EXPECT_EQ(error, c.error);
        return;
    }
    ASSERT_TRUE(estimate.has_value()) << error;
    EXPECT_EQ(estimate->conception, ParseCalendarDate(c.conception));
    EXPECT_EQ(estimate->given, ParseCalendarDate(c.given));
}

INSTANTIATE_TEST_SUITE_P(DueDateAndLastPeriod, ConceptionEstimates,
    testing::ValuesIn(EstimateCases),
    [](const testing::TestParamInfo<EstimateCase> &info) { return std::string(info.param.name); });

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

} // namespace

TEST_P(PredictorRejects, WithTheMainWindowsChecksInOrder)
{
    const RejectionCase &c = GetParam();
    Predictor predictor(FixedToday);
    const Reply reply = predictor.predict(c.birth, c.conception);
    EXPECT_EQ(reply.outcome, c.outcome);
    EXPECT_EQ(reply.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(Dates, PredictorRejects, testing::ValuesIn(RejectionCases),
    [](const testing::TestParamInfo<RejectionCase> &info) { return std::string(info.param.name); });

TEST(Predictor, AcceptsTheEndsOfTheLists)
{
    Predictor predictor(FixedToday);
    EXPECT_EQ(predictor.predict("1915-01-01", "1960-01-01").result.MotherChineseAge, 45);
    EXPECT_EQ(predictor.predict("1915-01-01", "1960-03-01").outcome, ReplyOutcome::AgeOutOfRange);
    const Reply first = predictor.predict("1942-01-01", "1960-01-01");
    EXPECT_EQ(first.outcome, ReplyOutcome::Predicted);
    EXPECT_EQ(first.result.MotherChineseAge, 18);
    EXPECT_EQ(first.result.ConceptionLunarMonth, 12);
    const Reply last = predictor.predict("1990-01-01", "2012-12-31");
    EXPECT_EQ(last.result.ConceptionLunarMonth, 11);
    EXPECT_EQ(predictor.predict("2012-12-31", "2012-12-31").outcome, ReplyOutcome::AgeOutOfRange);
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
    const Reply reply = Predictor(FixedToday).lunarMonth(c.date);
    ASSERT_EQ(reply.outcome, ReplyOutcome::Predicted) << reply.message;
    EXPECT_EQ(reply.result.ConceptionLunarMonth, c.month);
    EXPECT_EQ(reply.result.Calendar, c.calendar);
    EXPECT_EQ(LunarMonthToJson(reply)["calendar"],
        c.calendar == lm::LunarCalendar::Classic ? "classic" : "extended");
}

INSTANTIATE_TEST_SUITE_P(Dates, LunarMonths, testing::ValuesIn(LunarMonthCases),
    [](const testing::TestParamInfo<LunarMonthCase> &info) {
        return std::string(info.param.name);
    });

TEST(Predictor, LunarMonthOutsideTheCalendarOrOfADayThatDoesNotExist)
{
    const Predictor predictor(FixedToday);
    EXPECT_EQ(predictor.lunarMonth("1900-12-31").outcome, ReplyOutcome::InvalidInput);
    EXPECT_EQ(predictor.lunarMonth("2100-01-01").outcome, ReplyOutcome::InvalidInput);
    const Reply impossible = predictor.lunarMonth("1975-02-29");
    EXPECT_EQ(impossible.outcome, ReplyOutcome::InvalidDate);
    EXPECT_EQ(impossible.message, "Please Enter Correct Date Of Conception !");
}

TEST(ReplyJson, PredictionHasExactlyTheListedKeys)
{
    Predictor predictor(FixedToday);
    const QJsonObject object = ReplyToJson(predictor.predict("1980-06-15", "2008-02-21"));
    EXPECT_EQ(keysOf(object), PredictionKeys);
    EXPECT_EQ(object["outcome"], "Predicted");
    EXPECT_EQ(object["motherChineseAge"], 29);
    EXPECT_EQ(object["conceptionLunarMonth"], 1);
    EXPECT_EQ(object["gender"], "Girl");
    EXPECT_EQ(object["babyColour"], (QJsonArray {255, 105, 180}));
    EXPECT_EQ(object["babyColourName"], "Pink");
    EXPECT_EQ(object["congratulationMessage"], "Congratulations!! Your Baby is predicted to be a");
}

TEST(ReplyJson, RejectionsCarryMessageAndAgeWhereCounted)
{
    Predictor predictor(FixedToday);
    const QJsonObject age = ReplyToJson(predictor.predict("1960-01-01", "2005-07-01"));
    EXPECT_EQ(keysOf(age), (std::set<QString> {"outcome", "message", "motherChineseAge"}));
    EXPECT_EQ(age["outcome"], "AgeOutOfRange");
    EXPECT_EQ(age["motherChineseAge"], 46);
    const QJsonObject date = ReplyToJson(predictor.predict("1960-01-01", "2005-06-31"));
    EXPECT_EQ(keysOf(date), (std::set<QString> {"outcome", "message"}));
    EXPECT_EQ(date["outcome"], "InvalidDate");
    const QJsonObject input = ReplyToJson(predictor.predict("1960-01-01", "2005"));
    EXPECT_EQ(keysOf(input), (std::set<QString> {"outcome", "message"}));
    EXPECT_EQ(input["outcome"], "InvalidInput");
}

TEST(ReplyJson, ChartMapsEveryAgeToTwelveTexts)
{
    const QJsonObject chart = ChartToJson();
    ASSERT_EQ(chart.size(), 28);
    EXPECT_EQ(chart.keys().first(), "18");
    EXPECT_EQ(chart.keys().last(), "45");
    EXPECT_EQ(chart["21"].toArray().size(), 12);
    EXPECT_EQ(chart["21"].toArray().first(), "Boy");
    EXPECT_EQ(chart["21"].toArray().last(), "Girl");
}

TEST(BatchLineReader, SplitsLinesAcrossBlocksAndSkipsOverlongOnes)
{
    const std::string longLine(50, 'x');
    std::istringstream input("one\r\n\ntwo\n" + longLine + "\nthree\n" + longLine + "\nlast");
    BatchLineReader reader(input, 20, 8); // the block holds 21 characters
    std::vector<std::string> lines;
    std::string_view line;
    bool tooLong = false;
    while (reader.next(line, tooLong))
        lines.push_back(tooLong ? "<too long>" : std::string(line));
    EXPECT_EQ(lines,
        (std::vector<std::string> {
            "one\r", "", "two", "<too long>", "three", "<too long>", "last"}));
}

TEST(BatchLineReader, OverlongLastLineWithoutLineBreak)
{
    std::istringstream input("ok\n" + std::string(100, 'y'));
    BatchLineReader reader(input, 20, 8);
    std::string_view line;
    bool tooLong = false;
    ASSERT_TRUE(reader.next(line, tooLong));
    EXPECT_EQ(line, "ok");
    ASSERT_TRUE(reader.next(line, tooLong));
    EXPECT_TRUE(tooLong);
    EXPECT_FALSE(reader.next(line, tooLong));
}

TEST(BatchRunner, AnswersEveryNonBlankLineInOrderAndNumbersMalformedOnes)
{
    Predictor predictor(FixedToday);
    BatchRunner runner(predictor);
    std::istringstream input("1980-06-15 2008-02-21\r\n"
                             "\n"
                             " \t\r\n"
                             "1980-06-15\t  2008-02-20   \n"
                             "1980-06-15 2008-02-20 extra\n"
                             "1962-01-01 1979-01-01\n"
                             "1980-06-31 2001-02-29\n"
                             "1900-01-01 2001-02-28\n"
        + std::string(5000, '1') + "\n" + "1980-06-15 2008-02-21"); // no final line break
    std::ostringstream output;
    ASSERT_TRUE(runner.run(input, output));
    const std::vector<std::string> lines = linesOf(output.str());
    // The two blank lines (2 and 3) get no answer; the line numbers count them.
    ASSERT_EQ(lines.size(), 8u);

    std::vector<QJsonObject> objects;
    for (const std::string &line : lines)
        objects.push_back(parseObject(line));
    EXPECT_EQ(keysOf(objects[0]), PredictionKeys);
    EXPECT_EQ(objects[0]["motherChineseAge"], 29);
    EXPECT_EQ(objects[1]["motherChineseAge"], 28);
    EXPECT_EQ(keysOf(objects[2]), (std::set<QString> {"outcome", "line", "message"}));
    EXPECT_EQ(objects[2]["outcome"], "InvalidInput");
    EXPECT_EQ(objects[2]["line"], 5);
    EXPECT_EQ(objects[3]["outcome"], "AgeOutOfRange");
    EXPECT_EQ(objects[3]["motherChineseAge"], 17);
    EXPECT_FALSE(objects[3].contains("line"));
    EXPECT_EQ(objects[4]["outcome"], "InvalidDate");
    EXPECT_EQ(objects[4]["message"], "Please Enter Correct Date Of Conception !");
    EXPECT_EQ(objects[5]["outcome"], "InvalidInput");
    EXPECT_EQ(objects[5]["line"], 8);
    EXPECT_EQ(objects[6]["outcome"], "InvalidInput");
    EXPECT_EQ(objects[6]["line"], 9);
    EXPECT_EQ(lines[7], lines[0]);
}

// A reused answer is the very text a fresh single prediction gives, for every age and lunar
// month of both calendars, on both sides of the nine-month step of the congratulation line
// (today is 2009-12-01: conceptions up to March 2009 are nine months or more ago), and for
// rejections (among them births before 1915 with a conception in 1960 to 2012).
TEST(BatchRunner, ReusedAnswersEqualFreshOnes)
{
    std::string input;
    std::vector<std::string> questions;
    for (int conceptionYear : {1901, 1959, 1960, 1987, 2009, 2012, 2013, 2099})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, 28})
                for (int age = 16; age <= 47; ++age) {
                    questions.push_back(FormatIsoDate(conceptionYear - age + 1, 5, 5) + " "
                        + FormatIsoDate(conceptionYear, month, day));
                }
    for (const char *rejected : {"1980-06-31 2001-02-29", "1980-06-15 2001-04-31",
             "1900-01-01 2001-02-28", "1980-06-15 2013-01-01"})
        questions.push_back(rejected);
    for (const std::string &question : questions)
        input += question + "\n";

    Predictor batchPredictor(FixedToday);
    BatchRunner runner(batchPredictor);
    std::istringstream in(input);
    std::ostringstream out;
    ASSERT_TRUE(runner.run(in, out));
    const std::vector<std::string> answers = linesOf(out.str());
    ASSERT_EQ(answers.size(), questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        Predictor fresh(FixedToday);
        const std::size_t space = questions[i].find(' ');
        Reply reply = fresh.predict(questions[i].substr(0, space), questions[i].substr(space + 1));
        if (reply.outcome == ReplyOutcome::InvalidInput)
            reply.line = static_cast<long long>(i) + 1;
        EXPECT_EQ(answers[i], CompactJson(ReplyToJson(reply)).toStdString()) << questions[i];
    }
}

// A malformed line's answer reuses Qt's text around its line number: the same bytes as Qt
// gives for any number of digits.
TEST(BatchRunner, NumberedAnswersEqualQtsForEveryLength)
{
    Predictor predictor(FixedToday);
    BatchRunner runner(predictor);
    for (const char *line : {"nonsense", "1850-01-01 1990-01-01", "1980-01-01 2001-02-31 x"})
        for (long long number : {1LL, 9LL, 10LL, 4096LL, 1000000LL, 123456789012LL}) {
            Reply reply;
            const std::string text(line);
            if (text == "nonsense" || text.find(" x") != std::string::npos)
                reply.message = "Expected two dates, BIRTH CONCEPTION, separated by white space";
            else
                reply = Predictor(FixedToday).predict(text.substr(0, 10), text.substr(11));
            reply.line = number;
            EXPECT_EQ(runner.answer(line, number), CompactJson(ReplyToJson(reply)).toStdString())
                << line << " " << number;
        }
}

TEST(RunKqPredict, PredictionAsTextAndAsJson)
{
    const CliRun text
        = run({"--birth", "1980-06-15", "--conception", "2009-03-15", "--today", "2009-11-30"});
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.err, "");
    EXPECT_NE(text.out.find("Mother's Chinese age:      30\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Congratulations!! Your predicted to have a Baby"), std::string::npos);

    const CliRun json = run({"--birth", "1980-06-15", "--conception", "2009-03-15", "--json"});
    EXPECT_EQ(json.status, ExitPredicted);
    const std::vector<std::string> lines = linesOf(json.out);
    ASSERT_EQ(lines.size(), 1u);
    const QJsonObject object = parseObject(lines[0]);
    EXPECT_EQ(keysOf(object), PredictionKeys);
    // Without --today the injected "today", 1 December 2009, counts nine months.
    EXPECT_EQ(object["congratulationMessage"], "Congratulations!! Your Baby is predicted to be a");
}

TEST(RunKqPredict, ExplainShowsTheWorking)
{
    const CliRun explained
        = run({"--birth", "1980-06-15", "--conception", "2008-02-21", "--explain"});
    EXPECT_EQ(explained.status, ExitPredicted);
    EXPECT_NE(explained.out.find("Base age: 2008 - 1980 = 28"), std::string::npos) << explained.out;
    EXPECT_NE(explained.out.find("+1"), std::string::npos);
    EXPECT_NE(explained.out.find("lunar month 1, which began on 2008-02-07"), std::string::npos);
    EXPECT_NE(explained.out.find("[Girl]"), std::string::npos);

    const CliRun before = run({"--birth", "1980-06-15", "--conception", "2008-02-20", "--explain"});
    EXPECT_NE(before.out.find("New-year step: none"), std::string::npos) << before.out;
    EXPECT_NE(before.out.find("which began on 2008-02-07"), std::string::npos);
}

TEST(RunKqPredict, RejectionsGoToStandardErrorOrIntoTheJson)
{
    const CliRun age = run({"--birth", "1962-01-01", "--conception", "1979-01-01"});
    EXPECT_EQ(age.status, ExitAgeOutOfRange);
    EXPECT_EQ(age.out, "");
    EXPECT_NE(age.err.find("Mother's Age Must Be Between 18 to 45"), std::string::npos);

    const CliRun date = run({"--birth", "1980-06-31", "--conception", "2001-02-29", "--json"});
    EXPECT_EQ(date.status, ExitInvalidInput);
    EXPECT_EQ(date.err, "");
    EXPECT_EQ(parseObject(linesOf(date.out).at(0))["message"],
        "Please Enter Correct Date Of Conception !");

    const CliRun input = run({"--birth", "1980-06-15", "--conception", "soon"});
    EXPECT_EQ(input.status, ExitInvalidInput);
    EXPECT_NE(input.err.find("YYYY-MM-DD"), std::string::npos);
}

TEST(RunKqPredict, LunarMonthAndChart)
{
    const CliRun month = run({"--lunar-month", "1995-01-01"});
    EXPECT_EQ(month.status, ExitPredicted);
    EXPECT_EQ(month.out, "12\n");
    const CliRun monthJson = run({"--lunar-month", "2012-12-13", "--json"});
    EXPECT_EQ(parseObject(linesOf(monthJson.out).at(0))["conceptionLunarMonth"], 11);
    EXPECT_EQ(run({"--lunar-month", "2100-01-01"}).status, ExitInvalidInput);

    const CliRun chart = run({"--chart"});
    EXPECT_EQ(chart.status, ExitPredicted);
    EXPECT_EQ(linesOf(chart.out).size(), 30u); // title, header, 28 ages
    const CliRun chartJson = run({"--chart", "--json"});
    EXPECT_EQ(parseObject(linesOf(chartJson.out).at(0)), ChartToJson());
}

TEST(RunKqPredict, BatchReadsStandardInput)
{
    const CliRun batch = run({"--batch", "--today", "2008-03-01"},
        "1980-06-15 2008-02-21\nnonsense\n1962-01-01 1979-01-01\n");
    EXPECT_EQ(batch.status, ExitPredicted);
    const std::vector<std::string> lines = linesOf(batch.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(parseObject(lines[0])["congratulationMessage"],
        "Congratulations!! Your predicted to have a Baby");
    EXPECT_EQ(parseObject(lines[1])["line"], 2);
    EXPECT_EQ(parseObject(lines[2])["outcome"], "AgeOutOfRange");
}

// A prediction from an estimated date is the prediction for that date, with the estimate said
// first: in text, in JSON and in the working.
TEST(RunKqPredict, DueDateAndLastPeriodSayTheConceptionIsEstimated)
{
    const QStringList given = {"--birth", "1980-06-15", "--today", "2008-06-01"};
    const CliRun conception = run(given + QStringList {"--conception", "2008-02-22"});
    const CliRun due = run(given + QStringList {"--due", "2008-11-14"});
    EXPECT_EQ(due.status, ExitPredicted);
    EXPECT_EQ(due.out,
        "Conception (estimated):    2008-02-22, 266 days before the due date 2008-11-14\n"
            + conception.out);
    const CliRun lastPeriod = run(given + QStringList {"--last-period", "2008-02-08"});
    EXPECT_EQ(lastPeriod.out,
        "Conception (estimated):    2008-02-22, 14 days after the first day of the last period "
        "2008-02-08\n"
            + conception.out);

    QJsonObject expected
        = parseObject(run(given + QStringList {"--conception", "2008-02-22", "--json"}).out);
    expected.insert("estimatedConceptionDate", "2008-02-22");
    expected.insert("estimatedFrom", "dueDate");
    EXPECT_EQ(
        parseObject(run(given + QStringList {"--due", "2008-11-14", "--json"}).out), expected);

    const CliRun explained = run(given + QStringList {"--last-period", "2008-02-08", "--explain"});
    EXPECT_NE(explained.out.find("How it was worked out:\n  Estimated conception: 2008-02-22, 14 "
                                 "days after the first day of the last period 2008-02-08\n"),
        std::string::npos)
        << explained.out;
    EXPECT_NE(explained.out.find("Naegele's rule"), std::string::npos);

    // A rejection names the estimated date it was made for.
    const CliRun young = run({"--birth", "1992-01-01", "--due", "2008-11-14"});
    EXPECT_EQ(young.status, ExitAgeOutOfRange);
    EXPECT_NE(young.err.find("Conception (estimated): 2008-02-22"), std::string::npos) << young.err;
    // 1901 is a common year: 1901-01-01 is 266 days before 1901-09-24.
    const CliRun outside = run({"--birth", "1880-06-15", "--due", "1901-09-23"});
    EXPECT_EQ(outside.status, ExitInvalidInput);
    EXPECT_EQ(outside.out, "");
    EXPECT_NE(outside.err.find("1900-12-31"), std::string::npos) << outside.err;
    EXPECT_EQ(run({"--birth", "1880-06-15", "--due", "1901-09-24"}).status, ExitPredicted);
    EXPECT_EQ(std::count(outside.err.begin(), outside.err.end(), '\n'), 1) << outside.err;
}

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
    const std::vector<AnswerRun> runs
        = AnswersAround(c.birth, *ParseCalendarDate(c.conception), c.days, FixedToday);
    ASSERT_EQ(runs.size(), c.runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(c.runs[i].firstDay);
        EXPECT_EQ(runs[i].firstDay, ParseCalendarDate(c.runs[i].firstDay));
        EXPECT_EQ(runs[i].lastDay, ParseCalendarDate(c.runs[i].lastDay));
        EXPECT_EQ(runs[i].motherChineseAge, c.runs[i].age);
        EXPECT_EQ(runs[i].outcome,
            c.runs[i].lunarMonth ? ReplyOutcome::Predicted : ReplyOutcome::AgeOutOfRange);
        EXPECT_EQ(runs[i].lunarMonth, c.runs[i].lunarMonth);
        EXPECT_EQ(runs[i].gender, c.runs[i].gender);
    }
}

INSTANTIATE_TEST_SUITE_P(Around, AnswersAroundADate, testing::ValuesIn(AroundCases),
    [](const testing::TestParamInfo<AroundCase> &info) { return std::string(info.param.name); });

TEST(RunKqPredict, AroundAsATableAndAsAJsonArray)
{
    const QStringList question
        = {"--birth", "1980-06-15", "--conception", "2008-03-08", "--around", "3"};
    const CliRun text = run(question);
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.out,
        run({"--birth", "1980-06-15", "--conception", "2008-03-08"}).out
            + "\nConceived within 3 days of 2008-03-08:\n"
              "First day   Last day    Age  Month  Gender\n"
              "2008-03-05  2008-03-07   29      1  Girl\n"
              "2008-03-08  2008-03-11   29      2  Boy\n");

    const QJsonObject object = parseObject(run(question + QStringList {"--json"}).out);
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
        = run({"--birth", "1963-01-01", "--conception", "2008-02-21", "--around", "1"});
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
    const CliRun text = run(question);
    EXPECT_EQ(text.status, ExitPredicted);
    EXPECT_EQ(text.out,
        "Mother's Chinese age:      37\n"
        "Lunar month of conception: 1\n"
        "Calendar:                  extended (the official Chinese calendar of 1901 to 2099)\n"
        "Gender:                    Boy\n"
        "Colour:                    Blue\n"
        "Congratulations!! Your predicted to have a Baby Boy\n");
    EXPECT_EQ(parseObject(run(question + QStringList {"--json"}).out)["calendar"], "extended");
    const CliRun explained = run(question + QStringList {"--explain"});
    EXPECT_NE(explained.out.find("Conceived on 2027-02-06: lunar month 1, which began on "
                                 "2027-02-06\n  Calendar: extended, the official Chinese"),
        std::string::npos)
        << explained.out;

    EXPECT_EQ(run({"--lunar-month", "2027-02-06"}).out,
        "1\nCalendar: extended (the official Chinese calendar of 1901 to 2099)\n");
    EXPECT_EQ(run({"--lunar-month", "2027-02-06", "--json"}).out,
        "{\"calendar\":\"extended\",\"conceptionLunarMonth\":1}\n");
    EXPECT_EQ(run({"--lunar-month", "2012-12-31", "--json"}).out,
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
    const CliRun explained = run({"--lunar-month", c.date, "--explain"});
    EXPECT_EQ(explained.status, ExitPredicted);
    EXPECT_EQ(explained.out.find("  Calendar: extended") != std::string::npos, c.calendarWords)
        << explained.out;
    EXPECT_EQ(explained.out.find("  Disputed: ") != std::string::npos, c.disputedWords)
        << explained.out;
}

INSTANTIATE_TEST_SUITE_P(Explain, CalendarWorking, testing::ValuesIn(WorkingCases),
    [](const testing::TestParamInfo<WorkingCase> &info) { return std::string(info.param.name); });

namespace {

struct UsageCase
{
    const char *name;
    QStringList arguments;
    std::string input; // standard input: a record --evaluate would accept
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
    {"PositionalArgument", {"--chart", "extra"}},
    {"TwoModes", {"--chart", "--batch"}},
    {"PredictionAndChart", {"--birth", "1980-01-01", "--conception", "2008-01-01", "--chart"}},
    {"GivenTwice",
        {"--birth", "1980-01-01", "--birth", "1981-01-01", "--conception", "2008-01-01"}},
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
    {"AroundZero", {"--birth", "1980-01-01", "--conception", "2008-01-01", "--around", "0"}},
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
    const CliRun result = run(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("kq-predict: ", 0), 0u) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Options, WrongUsage, testing::ValuesIn(UsageCases),
    [](const testing::TestParamInfo<UsageCase> &info) { return std::string(info.param.name); });
