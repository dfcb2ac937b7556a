// Tests of kq-predict's handling, called in the test process: reading dates as the main
// window accepts them, the JSON keys, the --batch lines and the options with their exit
// statuses.
#include "BatchLineReader.h"
#include "BatchRunner.h"
#include "IsoDate.h"
#include "KqPredict.h"
#include "Predictor.h"
#include "ReplyJson.h"

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
    "gender", "babyColour", "babyColourName", "congratulationMessage"};

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
    {"ConceptionBefore1960", "1940-01-01", "1959-12-31", ReplyOutcome::InvalidInput,
        "The year of conception must be between 1960 and 2012"},
    {"ConceptionAfter2012", "1990-01-01", "2013-01-01", ReplyOutcome::InvalidInput,
        "The year of conception must be between 1960 and 2012"},
    {"BirthBefore1915", "1914-12-31", "1960-01-01", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1915 and 2012"},
    {"BirthAfter2012", "2013-01-01", "2012-01-01", ReplyOutcome::InvalidInput,
        "The year of birth must be between 1915 and 2012"},
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

TEST(Predictor, LunarMonthOfAConceptionDate)
{
    const Predictor predictor(FixedToday);
    EXPECT_EQ(predictor.lunarMonth("1976-02-29").result.ConceptionLunarMonth, 1);
    EXPECT_EQ(predictor.lunarMonth("1960-01-28").result.ConceptionLunarMonth, 1);
    EXPECT_EQ(predictor.lunarMonth("1959-12-31").outcome, ReplyOutcome::InvalidInput);
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
// month, on both sides of the nine-month step of the congratulation line (today is
// 2009-12-01: conceptions up to March 2009 are nine months or more ago), and for rejections.
TEST(BatchRunner, ReusedAnswersEqualFreshOnes)
{
    std::string input;
    std::vector<std::string> questions;
    for (int conceptionYear : {1960, 1987, 2009, 2012})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, 28})
                for (int age = 16; age <= 47; ++age) {
                    if (conceptionYear - age + 1 < 1915)
                        continue;
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
    EXPECT_EQ(run({"--lunar-month", "2013-01-01"}).status, ExitInvalidInput);

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

namespace {

struct UsageCase
{
    const char *name;
    QStringList arguments;
};

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
};

} // namespace

TEST_P(WrongUsage, Exits64WithAMessage)
{
    const CliRun result = run(GetParam().arguments);
    EXPECT_EQ(result.status, ExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("kq-predict: "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Options, WrongUsage, testing::ValuesIn(UsageCases),
    [](const testing::TestParamInfo<UsageCase> &info) { return std::string(info.param.name); });
