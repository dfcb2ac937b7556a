// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of --batch: one answer per non-blank line, in order, the same text as a fresh
// prediction gives, and the line numbers of malformed lines.
#include "BatchRunner.h"
#include "CliRun.h"
#include "IsoDate.h"
#include "Predictor.h"
#include "ReplyJson.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

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
    const std::vector<std::string> lines = LinesOf(output.str());
    // The two blank lines (2 and 3) get no answer; the line numbers count them.
    ASSERT_EQ(lines.size(), 8u);

    std::vector<QJsonObject> objects;
    for (const std::string &line : lines)
        objects.push_back(ParseObject(line));
    EXPECT_EQ(KeysOf(objects[0]), PredictionKeys);
    EXPECT_EQ(objects[0]["motherChineseAge"], 29);
    EXPECT_EQ(objects[1]["motherChineseAge"], 28);
    EXPECT_EQ(KeysOf(objects[2]), (std::set<QString> {"outcome", "line", "message"}));
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
                    questions.push_back((FormatIsoDate(year {conceptionYear - age + 1} / May / 5)
                        + u' ' + FormatIsoDate(year {conceptionYear} / month / day))
                                            .toStdString());
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
    const std::vector<std::string> answers = LinesOf(out.str());
    ASSERT_EQ(answers.size(), questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        Predictor fresh(FixedToday);
        const std::size_t space = questions[i].find(' ');
        Reply reply = fresh.predict(questions[i].substr(0, space), questions[i].substr(space + 1));
        if (OutcomeOf(reply) == ReplyOutcome::InvalidInput)
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
                reply.rejection = Rejection {}; // not two dates
            else
                reply = Predictor(FixedToday).predict(text.substr(0, 10), text.substr(11));
            reply.line = number;
            EXPECT_EQ(runner.answer(line, number), CompactJson(ReplyToJson(reply)).toStdString())
                << line << " " << number;
        }
}
