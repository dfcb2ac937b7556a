// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of kq-predict --evaluate: reading the sex, which lines are skipped and why, the
// report as text and JSON, the exit statuses, 200,000 records of random sex, and the study
// paragraph at the end of --explain.
#include "Evaluation.h"
#include "EvaluationReport.h"
#include "KqPredict.h"

#include "CliRun.h"
#include "RowName.h"
#include "RunProgram.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <sstream>
#include <streambuf>

using namespace kq::cli;
using namespace kq::test;
using kq::Gender;
using namespace std::chrono;

namespace {

// Records whose prediction is known from the chart. The mother was born 1980-06-15:
// - conceived 2008-02-21: Chinese age 2008 - 1980 + 1 = 29 (on or after 21 February), lunar
//   month 1 (began 2008-02-07); the chart's row 29 reads Girl for month 1;
// - conceived 2008-03-20: age 29, lunar month 2 (began 2008-03-08): Boy.
const std::string PredictedGirl = "1980-06-15 2008-02-21";
const std::string PredictedBoy = "1980-06-15 2008-03-20";

std::string repeated(const std::string &line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line + "\n";
    return text;
}

} // namespace

namespace {

struct SexCase
{
    const char *name;
    const char *text;
    std::optional<Gender> sex;
};

class ParseSexOf : public testing::TestWithParam<SexCase>
{
};

const SexCase SexCases[] = {
    {"UpperF", "F", Gender::Girl},
    {"LowerF", "f", Gender::Girl},
    {"GirlLower", "girl", Gender::Girl},
    {"GirlUpper", "GIRL", Gender::Girl},
    {"GirlMixed", "gIrL", Gender::Girl},
    {"UpperM", "M", Gender::Boy},
    {"LowerM", "m", Gender::Boy},
    {"BoyCapitalised", "Boy", Gender::Boy},
    {"BoyUpper", "BOY", Gender::Boy},
    {"Empty", "", std::nullopt},
    {"OtherLetter", "G", std::nullopt},
    {"Female", "female", std::nullopt},
    {"Male", "male", std::nullopt},
    {"Plural", "girls", std::nullopt},
    {"Doubled", "FF", std::nullopt},
    {"WithFullStop", "f.", std::nullopt},
    {"FullWidthF", "\xEF\xBC\xA6", std::nullopt}, // U+FF26, not the ASCII letter
    {"LetterAfterZ", "\x7F", std::nullopt},
};

} // namespace

TEST_P(ParseSexOf, AcceptsFMGirlBoyInAnyCase)
{
    EXPECT_EQ(ParseSex(GetParam().text), GetParam().sex);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseSexOf, testing::ValuesIn(SexCases), RowName());

namespace {

// One line, then a record that is always counted: a skipped line never stops the run.
struct LineCase
{
    const char *name;
    std::string line;
    SecondDate secondDate;
    std::optional<SkipReason> skipped; // none: counted in the table
    Gender predicted = Gender::Girl; // when counted
    Gender baby = Gender::Girl; // when counted
};

class EvaluateLine : public testing::TestWithParam<LineCase>
{
};

const LineCase LineCases[] = {
    {"GirlPredictedGirlBorn", PredictedGirl + " F", SecondDate::Conception, {}},
    {"BoyPredictedGirlBorn", PredictedBoy + " girl", SecondDate::Conception, {}, Gender::Boy},
    {"TabsAndCarriageReturn", "\t1980-06-15\t 2008-03-20  BOY\r", SecondDate::Conception, {},
        Gender::Boy, Gender::Boy},
    {"TwoFields", PredictedGirl, SecondDate::Conception, SkipReason::NotThreeFields},
    {"FourFields", PredictedGirl + " F x", SecondDate::Conception, SkipReason::NotThreeFields},
    {"CommaSeparated", "1980-06-15,2008-02-21,F", SecondDate::Conception,
        SkipReason::NotThreeFields},
    {"LongerThanALine", std::string(5000, '1') + " 2008-02-21 F", SecondDate::Conception,
        SkipReason::NotThreeFields},
    {"ImpossibleConception", "1980-06-15 2008-02-30 F", SecondDate::Conception,
        SkipReason::BadDate},
    // Outside the lists and outside any span the calendar could be stretched to.
    {"ConceptionYear2100", "1980-06-15 2100-03-01 F", SecondDate::Conception, SkipReason::BadDate},
    {"BirthYear1850", "1850-06-15 2008-02-21 F", SecondDate::Conception, SkipReason::BadDate},
    // 1979 - 1962 = 17 (before 21 February); 2005 - 1960 + 1 = 46.
    {"AgeSeventeen", "1962-01-01 1979-01-01 F", SecondDate::Conception, SkipReason::AgeOutOfRange},
    {"AgeFortySix", "1960-01-01 2005-07-01 M", SecondDate::Conception, SkipReason::AgeOutOfRange},
    {"UnknownSex", PredictedGirl + " X", SecondDate::Conception, SkipReason::UnknownSex},
    {"BadDateIsNamedBeforeSex", "1980-06-15 2008-02-30 X", SecondDate::Conception,
        SkipReason::BadDate},
    {"AgeIsNamedBeforeSex", "1962-01-01 1979-01-01 X", SecondDate::Conception,
        SkipReason::AgeOutOfRange},
    // 2008-11-13 - 266 days = 2008-02-21 (8 days to the end of February, then 31 + 30 + 31 +
    // 30 + 31 + 31 + 30 + 31 days to the end of October, 13 in November: 8 + 245 + 13 = 266):
    // age 29, month 1, Girl.
    {"FromBirthGirl", "1980-06-15 2008-11-13 F", SecondDate::BabyBirth, {}, Gender::Girl},
    // One day earlier the conception falls on 2008-02-20, before the new-year step: age 28,
    // lunar month 1, and the chart's row 28 reads Boy for month 1.
    {"FromBirthOneDayEarlier", "1980-06-15 2008-11-12 F", SecondDate::BabyBirth, {}, Gender::Boy},
    {"FromBirthImpossibleDay", "1980-06-15 2008-11-31 F", SecondDate::BabyBirth,
        SkipReason::BadDate},
    // Born 1901-03-01: conceived 1900-06-08 (22 days to 30 June, 243 for July to February of
    // a common year, 1 to 1 March: 266), before any year the calendar has or could have.
    {"FromBirthConceivedTooEarly", "1980-06-15 1901-03-01 F", SecondDate::BabyBirth,
        SkipReason::BadDate},
    // Born 0000-03-01: the estimated conception falls before year 0.
    {"FromBirthYearZero", "1980-06-15 0000-03-01 F", SecondDate::BabyBirth, SkipReason::BadDate},
};

} // namespace

TEST_P(EvaluateLine, IsCountedOrSkippedWithItsReason)
{
    const LineCase &c = GetParam();
    // The record that always counts: with --from-birth, the baby born 2008-11-13 (conceived
    // 2008-02-21, a girl predicted).
    const std::string counted
        = c.secondDate == SecondDate::BabyBirth ? "1980-06-15 2008-11-13 M" : PredictedGirl + " M";
    std::istringstream input(c.line + "\n" + counted + "\n");
    kq::cli::Predictor predictor(FixedToday);
    Evaluation evaluation(predictor, c.secondDate);
    ASSERT_TRUE(evaluation.run(input));
    const EvaluationCounts &counts = evaluation.counts();

    AgreementTable expected;
    expected.add(Gender::Girl, Gender::Boy);
    if (!c.skipped)
        expected.add(c.predicted, c.baby);
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        for (const Gender baby : {Gender::Girl, Gender::Boy})
            EXPECT_EQ(counts.table.count(predicted, baby), expected.count(predicted, baby));
    for (std::size_t reason = 0; reason < SkipReasonCount; ++reason)
        EXPECT_EQ(counts.skipped[reason],
            c.skipped && static_cast<std::size_t>(*c.skipped) == reason ? 1u : 0u)
            << "reason " << reason;
    EXPECT_EQ(counts.skippedTotal(), c.skipped ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Lines, EvaluateLine, testing::ValuesIn(LineCases), RowName());

// Blank lines hold no record: they are neither counted nor skipped, even as the last line
// without a line break.
TEST(Evaluation, BlankLinesAreNoRecords)
{
    std::istringstream input("\n \t\r\n" + PredictedGirl + " F\n\n   ");
    kq::cli::Predictor predictor(FixedToday);
    Evaluation evaluation(predictor, SecondDate::Conception);
    ASSERT_TRUE(evaluation.run(input));
    EXPECT_EQ(evaluation.counts().table.total(), 1u);
    EXPECT_EQ(evaluation.counts().skippedTotal(), 0u);
}

// Lines put together from good and hostile pieces (impossible dates, binary bytes, NUL, lines
// far over the limit, no final line break): every non-blank line is counted exactly once,
// either in the table or as skipped, and the run never fails.
TEST(Evaluation, EveryNonBlankLineIsCountedOnce)
{
    const std::string pieces[] = {"1980-06-15", "2008-02-21", "2008-11-13", "2001-02-29",
        "0000-00-00", "9999-12-31", "F", "m", "Girl", "BOY", "x", "", " ", "\t", "\r",
        std::string("\0", 1), "\xff\xfe", std::string(5000, 'y'), "1980-06-15 2008-02-21 F"};
    std::mt19937 random(1995);
    for (const SecondDate secondDate : {SecondDate::Conception, SecondDate::BabyBirth}) {
        std::string input;
        std::uint64_t nonBlank = 0;
        for (int line = 0; line < 3000; ++line) {
            std::string text;
            for (unsigned piece = random() % 5; piece > 0; --piece) {
                text += pieces[random() % std::size(pieces)];
                text += random() % 4 ? " " : "";
            }
            nonBlank += text.find_first_not_of(" \t\r") != std::string::npos;
            input += text + (line < 2999 ? "\n" : "");
        }
        std::istringstream in(input);
        kq::cli::Predictor predictor(FixedToday);
        Evaluation evaluation(predictor, secondDate);
        ASSERT_TRUE(evaluation.run(in));
        EXPECT_EQ(evaluation.counts().table.total() + evaluation.counts().skippedTotal(), nonBlank);
        EXPECT_GT(evaluation.counts().table.total(), 0u);
    }
}

namespace {

// The report's lines between the count of records evaluated and the table's rows, when no
// line was skipped.
const std::string NoneSkipped = "Records skipped:   0\n"
                                "  bad date:               0\n"
                                "  age outside 18 to 45:   0\n"
                                "  unknown sex:            0\n"
                                "  not three fields:       0\n"
                                "\n"
                                "                 Girl born  Boy born\n";

struct ReportCase
{
    const char *name;
    std::string input;
    int status;
    std::string text; // the whole report, written out by hand
};

class EvaluateReport : public testing::TestWithParam<ReportCase>
{
};

const ReportCase ReportCases[] = {
    // 3 girls predicted and born, 2 boys predicted and born: 5 of 5 right; p_e = .6*.6 +
    // .4*.4 = .52, kappa = (1 - .52)/(1 - .52) = 1. A cell expects 2 x 2 / 5 = 0.8 records,
    // fewer than Cochran's 5: no interval and no conclusion.
    {"EverySexAsPredicted", repeated(PredictedGirl + " F", 3) + repeated(PredictedBoy + " m", 2),
        ExitPredicted,
        "Records evaluated: 5\n" + NoneSkipped
            + "Predicted girl           3         0\n"
              "Predicted boy            0         2\n"
              "\n"
              "Accuracy:      100.00% (5 of 5 predictions right)\n"
              "Cohen's kappa: 1.0000\n"
              "Too few records for a 95% confidence interval (a cell of the table expects fewer\n"
              "than 5 records, Cochran's rule): no conclusion is drawn from these records.\n"},
    // 2 girls predicted, boys born; 2 boys predicted, girls born: 0 of 4 right; p_e = .5,
    // kappa = (0 - .5)/(1 - .5) = -1; each cell expects 2 x 2 / 4 = 1 record, too few for an
    // interval (the large-sample one would be -1 to -1). The malformed lines are skipped.
    {"EverySexOpposite",
        repeated(PredictedGirl + " boy", 2) + "nonsense\n" + repeated(PredictedBoy + " Girl", 2)
            + PredictedBoy + " ?\n1962-01-01 1979-01-01 F\n1980-02-30 2008-02-21 F\n",
        ExitPredicted,
        "Records evaluated: 4\n"
        "Records skipped:   4\n"
        "  bad date:               1\n"
        "  age outside 18 to 45:   1\n"
        "  unknown sex:            1\n"
        "  not three fields:       1\n"
        "\n"
        "                 Girl born  Boy born\n"
        "Predicted girl           0         2\n"
        "Predicted boy            2         0\n"
        "\n"
        "Accuracy:      0.00% (0 of 4 predictions right)\n"
        "Cohen's kappa: -1.0000\n"
        "Too few records for a 95% confidence interval (a cell of the table expects fewer\n"
        "than 5 records, Cochran's rule): no conclusion is drawn from these records.\n"},
    // The hand-worked table of AgreementTest: 20 5 / 10 15, kappa .4, SE .1269961, interval
    // .1510923 to .6489077; 35 of 50 right.
    {"HandWorkedTable",
        repeated(PredictedGirl + " F", 20) + repeated(PredictedGirl + " M", 5)
            + repeated(PredictedBoy + " F", 10) + repeated(PredictedBoy + " M", 15),
        ExitPredicted,
        "Records evaluated: 50\n" + NoneSkipped
            + "Predicted girl          20         5\n"
              "Predicted boy           10        15\n"
              "\n"
              "Accuracy:      70.00% (35 of 50 predictions right)\n"
              "Cohen's kappa: 0.4000, 95% confidence interval 0.1511 to 0.6489 (standard error "
              "0.1270)\n"
              "The interval lies above 0: on these records the calendar agreed with the babies' "
              "sex more often than chance would.\n"},
    // Only girls, all predicted girls: chance agreement is certain and kappa is 0/0.
    {"OneCellOnly", repeated(PredictedGirl + " F", 2), ExitPredicted,
        "Records evaluated: 2\n" + NoneSkipped
            + "Predicted girl           2         0\n"
              "Predicted boy            0         0\n"
              "\n"
              "Accuracy:      100.00% (2 of 2 predictions right)\n"
              "Cohen's kappa: not defined, every prediction and every baby is of the same sex\n"},
    {"NothingEvaluated", "one two\n1962-01-01 1979-01-01 F\n", ExitInvalidInput,
        "Records evaluated: 0\n"
        "Records skipped:   2\n"
        "  bad date:               0\n"
        "  age outside 18 to 45:   1\n"
        "  unknown sex:            0\n"
        "  not three fields:       1\n"
        "\n"
        "                 Girl born  Boy born\n"
        "Predicted girl           0         0\n"
        "Predicted boy            0         0\n"
        "\n"
        "Accuracy:      not defined, no record was evaluated\n"
        "Cohen's kappa: not defined, no record was evaluated\n"},
};

} // namespace

TEST_P(EvaluateReport, AsText)
{
    const ReportCase &c = GetParam();
    const CliRun result = RunCli({"--evaluate"}, c.input);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.text);
    EXPECT_EQ(
        result.err, c.status == ExitPredicted ? "" : "kq-predict: no record could be evaluated\n");
}

INSTANTIATE_TEST_SUITE_P(Records, EvaluateReport, testing::ValuesIn(ReportCases), RowName());

TEST(EvaluateReport, AsJson)
{
    // The hand-worked table 20 5 / 10 15 (kappa .4, SE .1269961), with the estimated
    // conception of --from-birth: 2008-11-13 gives 2008-02-21 (a girl predicted) and
    // 2008-12-11 gives 2008-03-20 (a boy predicted), 28 days later. One bad date.
    const std::string girl = "1980-06-15 2008-11-13";
    const std::string boy = "1980-06-15 2008-12-11";
    const CliRun result = RunCli({"--evaluate", "--from-birth", "--json"},
        repeated(girl + " F", 20) + repeated(girl + " M", 5) + "1980-06-15 2008-12-32 F\n"
            + repeated(boy + " F", 10) + repeated(boy + " M", 15));
    EXPECT_EQ(result.status, ExitPredicted);
    ASSERT_EQ(result.out.back(), '\n');
    ASSERT_EQ(result.out.find('\n'), result.out.size() - 1); // one line
    QJsonObject object = ParseObject(result.out);
    const QJsonObject kappa = object.take("kappa").toObject();
    EXPECT_NEAR(object.take("accuracy").toDouble(), 0.7, 1e-12);
    EXPECT_EQ(object, ParseObject(R"({"evaluated": 50,
        "skipped": {"total": 1, "badDate": 1, "ageOutOfRange": 0, "unknownSex": 0,
                    "notThreeFields": 0},
        "table": {"predictedGirl": {"girl": 20, "boy": 5},
                  "predictedBoy": {"girl": 10, "boy": 15}}})"));
    EXPECT_EQ(kappa.keys(), (QStringList {"lower95", "standardError", "upper95", "value"}));
    EXPECT_NEAR(kappa["value"].toDouble(), 0.4, 1e-12);
    EXPECT_NEAR(kappa["standardError"].toDouble(), 0.1269961, 5e-7);
    EXPECT_NEAR(kappa["lower95"].toDouble(), 0.1510923, 5e-7);
    EXPECT_NEAR(kappa["upper95"].toDouble(), 0.6489077, 5e-7);

    // Two records, each predicted wrong: kappa -1, but each cell expects one record, too few
    // for the interval (Cochran's rule): null, with the reason.
    const CliRun two
        = RunCli({"--evaluate", "--json"}, PredictedGirl + " M\n" + PredictedBoy + " F\n");
    EXPECT_EQ(two.status, ExitPredicted);
    EXPECT_EQ(ParseObject(two.out)["kappa"].toObject(), ParseObject(R"({"value": -1,
        "standardError": null, "lower95": null, "upper95": null, "noInterval": "tooFewRecords"})"));

    const CliRun none = RunCli({"--evaluate", "--json"}, "nonsense\n");
    EXPECT_EQ(none.status, ExitInvalidInput);
    EXPECT_EQ(
        ParseObject(none.out), ParseObject(R"({"evaluated": 0, "accuracy": null, "kappa": null,
        "skipped": {"total": 1, "badDate": 0, "ageOutOfRange": 0, "unknownSex": 0,
                    "notThreeFields": 1},
        "table": {"predictedGirl": {"girl": 0, "boy": 0},
                  "predictedBoy": {"girl": 0, "boy": 0}}})"));
}

// 200,000 records of random sex (a fixed seed), their dates spread over every conception year
// and every age of the chart: the sex has nothing to do with the prediction, so kappa's 95%
// interval must contain 0. With about as many girls as boys p_e is close to 1/2 and the
// variance close to p_o (1 - p_o) / (n (1 - p_e)^2) = .25 / (n .25) = 1/n: SE near
// 1/sqrt(200000) = .002236.
TEST(EvaluateReport, RandomSexGivesAnIntervalAroundZero)
{
    std::mt19937 random(20261208); // raw outputs only: the same numbers on every library
    std::string input;
    constexpr int Records = 200'000;
    input.reserve(Records * 24);
    char line[64];
    for (int i = 0; i < Records; ++i) {
        const unsigned conceptionYear = 1960 + random() % 53;
        const unsigned conceptionMonth = 1 + random() % 12;
        const unsigned conceptionDay = 1 + random() % 28;
        const unsigned age = 18 + random() % 28;
        const bool newYearStep
            = conceptionMonth > 2 || (conceptionMonth == 2 && conceptionDay >= 21);
        const unsigned birthYear = conceptionYear - age + (newYearStep ? 1 : 0);
        const unsigned birthMonth = 1 + random() % 12;
        const unsigned birthDay = 1 + random() % 28;
        const bool boy = random() % 2 == 1;
        std::snprintf(line, sizeof line, "%04u-%02u-%02u %04u-%02u-%02u %s\n", birthYear,
            birthMonth, birthDay, conceptionYear, conceptionMonth, conceptionDay, boy ? "M" : "F");
        input += line;
    }

    std::istringstream in(input);
    kq::cli::Predictor predictor(FixedToday);
    Evaluation evaluation(predictor, SecondDate::Conception);
    ASSERT_TRUE(evaluation.run(in));
    const std::string text = EvaluationText(evaluation.counts()).toStdString();
    std::cout << text; // the report, for the record
    const QJsonObject object = EvaluationToJson(evaluation.counts());
    EXPECT_EQ(object["evaluated"], Records);
    EXPECT_EQ(object["skipped"]["total"], 0);
    const QJsonObject kappa = object["kappa"].toObject();
    EXPECT_LT(kappa["lower95"].toDouble(), 0.0);
    EXPECT_GT(kappa["upper95"].toDouble(), 0.0);
    EXPECT_NEAR(kappa["standardError"].toDouble(), 0.002236, 0.0001);
    EXPECT_NEAR(object["accuracy"].toDouble(), 0.5, 0.005);
    EXPECT_NE(text.find("The interval contains 0"), std::string::npos);
}

namespace {

// Standard input that fails after its first line.
class FailingInput : public std::streambuf
{
public:
    FailingInput() { setg(m_text, m_text, m_text + sizeof m_text - 1); }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    char m_text[26] = "1980-06-15 2008-02-21 F\n";
};

} // namespace

// A failed read is not reported as a result of part of the records.
TEST(EvaluateReport, ReadFailureIsAnInputError)
{
    FailingInput buffer;
    std::istream in(&buffer);
    const CliRun result = RunCli({"--evaluate"}, in);
    EXPECT_EQ(result.status, ExitIoError);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kq-predict: could not read all input\n");
}

// --explain ends with the study paragraph; the answer without --explain is unchanged.
TEST(Explain, EndsWithTheSwedishStudy)
{
    const QStringList question {"--birth", "1980-06-15", "--conception", "2008-02-21"};
    const CliRun explained = RunCli(QStringList(question) << "--explain");
    const std::string paragraph
        = "\n"
          "How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its\n"
          "predictions agreed with the babies' sex no more than chance would: Cohen's kappa\n"
          "0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin\n"
          "(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it\n"
          "on your own records with kq-predict --evaluate.\n";
    ASSERT_GT(explained.out.size(), paragraph.size());
    EXPECT_EQ(explained.out.substr(explained.out.size() - paragraph.size()), paragraph);
    EXPECT_NE(explained.out.find("[Girl]   Boy   Girl"), std::string::npos); // the chart row

    EXPECT_EQ(RunCli(question).out.find("Sweden"), std::string::npos);
    EXPECT_EQ(RunCli({"--lunar-month", "2008-02-21", "--explain"}).out,
        "1\n2008-02-21: lunar month 1, which began on 2008-02-07\n");
}

// The built program: standard input through a pipe, the exit statuses.
TEST(EvaluateProcess, ReadsStandardInput)
{
    const ProgramRun evaluated
        = RunProgram(QStringLiteral(KQ_PREDICT_PATH), {"--evaluate", "--json"},
            QByteArray::fromStdString(PredictedGirl + " F\n" + PredictedBoy + " F\n"));
    EXPECT_EQ(evaluated.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(evaluated.out).object();
    EXPECT_EQ(object["evaluated"], 2);
    EXPECT_EQ(object["table"]["predictedBoy"]["girl"], 1);

    EXPECT_EQ(RunProgram(QStringLiteral(KQ_PREDICT_PATH), {"--evaluate"}).status, 2);
}
