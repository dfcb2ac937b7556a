// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict in the user's language, run as a user would with LANG and LANGUAGE set: the text
// answers, the help and the messages speak Simplified or Traditional Chinese or Spanish; the
// answers that scripts read (JSON, --batch, --lunar-month) are byte for byte those of the C
// locale; in English and in languages without a catalogue nothing changes at all. Where the
// text lines up columns, Chinese characters count two columns, as the terminal (wcswidth)
// shows them.
#include "RowName.h"
#include "RunProgram.h"
#include "TerminalColumns.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// One way of running kq-predict.
struct Output
{
    const char *name;
    QStringList arguments;
    QByteArray input = {};
};

const QByteArray Records = "1980-06-15 2008-02-21 F\n1962-01-01 1979-01-01 M\n"
                           "1980-06-15 2008-02-30 M\n1975-03-01 2005-07-01 boy\n";

// What people read: worded in their language.
const std::vector<Output> TextOutputs = {
    {"Prediction",
        {"--birth", "1980-06-15", "--conception", "2008-02-21", "--today", "2008-06-01"}},
    {"Explain",
        {"--birth", "1995-03-01", "--conception", "2026-05-20", "--today", "2026-12-08",
            "--explain"}},
    {"Around",
        {"--birth", "1980-06-15", "--due", "2008-11-14", "--today", "2008-06-01", "--around",
            "12"}},
    {"Chart", {"--chart"}},
    {"Evaluate", {"--evaluate"}, Records},
    {"Help", {"--help"}},
    {"ImpossibleDate", {"--birth", "1980-06-15", "--conception", "2008-02-30"}},
    {"AgeOutsideTheChart", {"--birth", "1962-01-01", "--conception", "1979-01-01"}},
    {"WrongUsage", {"--birth", "1980-06-15"}},
    {"ImpossibleBirthDate", {"--birth", "1980-02-30", "--conception", "2008-04-30"}},
};

// What scripts read: the same bytes in every locale.
const std::vector<Output> ScriptOutputs = {
    {"Json",
        {"--birth", "1980-06-15", "--conception", "2008-02-21", "--today", "2008-06-01", "--json",
            "--around", "3"}},
    {"RejectionJson", {"--birth", "1962-01-01", "--conception", "1979-01-01", "--json"}},
    {"Batch", {"--batch", "--today", "2008-06-01"},
        "1980-06-15 2008-02-21\n1980-06-15 2008-02-30\n1962-01-01 1979-01-01\nnonsense\n"},
    {"ChartJson", {"--chart", "--json"}},
    {"LunarMonth", {"--lunar-month", "1976-01-01"}},
    // The extended calendar's line, in English for scripts as the number is.
    {"LunarMonthExtended", {"--lunar-month", "2057-10-01"}},
    {"LunarMonthJson", {"--lunar-month", "2057-10-01", "--json"}},
    {"EvaluateJson", {"--evaluate", "--json"}, Records},
};

kq::test::ProgramRun run(const Output &output, const char *lang, const char *language = nullptr)
{
    return kq::test::RunProgram(QStringLiteral(KQ_PREDICT_PATH), output.arguments, output.input,
        kq::test::LocaleEnvironment(lang, language));
}

// The C locale's answer to an output, asked once.
const kq::test::ProgramRun &inCLocale(const Output &output)
{
    static std::map<std::string, kq::test::ProgramRun> answers;
    const auto found = answers.find(output.name);
    if (found != answers.end())
        return found->second;
    return answers.emplace(output.name, run(output, "C")).first->second;
}

struct LocaleRow
{
    const char *name;
    const char *lang;
    const char *language; // LANGUAGE; nullptr when unset
    // A word each text output must say (standard output and error together), by output; none
    // where the locale reads English, whose text must be the C locale's.
    std::map<std::string, const char *> words;
};

class KqPredictInLocale : public ::testing::TestWithParam<LocaleRow>
{
};

TEST_P(KqPredictInLocale, ScriptOutputsAreTheBytesOfTheCLocale)
{
    for (const Output &output : ScriptOutputs) {
        const kq::test::ProgramRun answer = run(output, GetParam().lang, GetParam().language);
        const kq::test::ProgramRun &c = inCLocale(output);
        EXPECT_EQ(answer.status, c.status) << output.name;
        EXPECT_EQ(answer.out, c.out) << output.name;
        EXPECT_EQ(answer.err, c.err) << output.name;
    }
}

TEST_P(KqPredictInLocale, TextOutputsSpeakTheLanguage)
{
    const LocaleRow &row = GetParam();
    for (const Output &output : TextOutputs) {
        const kq::test::ProgramRun answer = run(output, row.lang, row.language);
        const kq::test::ProgramRun &c = inCLocale(output);
        EXPECT_EQ(answer.status, c.status) << output.name;
        if (row.words.empty()) {
            EXPECT_EQ(answer.out, c.out) << output.name;
            EXPECT_EQ(answer.err, c.err) << output.name;
            continue;
        }
        const QString text = QString::fromUtf8(answer.out + answer.err);
        const auto word = row.words.find(output.name);
        ASSERT_NE(word, row.words.end()) << output.name;
        EXPECT_TRUE(text.contains(QString::fromUtf8(word->second)))
            << output.name << " lacks " << word->second << ":\n"
            << text.toStdString();
        // The help fits a terminal of 80 columns, Chinese characters counting two.
        if (QLatin1String(output.name) == QLatin1String("Help")) {
            for (const QString &line : text.split(u'\n'))
                EXPECT_LE(kq::test::TerminalColumns(line), 80) << line.toStdString();
        }
        // Nothing is left in English but names, numbers and dates.
        for (const char *english :
            {"Mother's", "Gender", "Chinese age", "lunar month", "must be", "Displays"})
            EXPECT_FALSE(text.contains(QLatin1String(english)))
                << output.name << " says " << english << ":\n"
                << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, KqPredictInLocale,
    ::testing::Values(
        LocaleRow {"SimplifiedChinese", "zh_CN.UTF-8", nullptr,
            {{"Prediction", "母亲的虚岁"}, {"Explain", "清宫表"}, {"Around", "农历月"},
                {"Chart", "清宫表"}, {"Evaluate", "准确率"}, {"Help", "虚岁"},
                {"ImpossibleDate", "请输入正确的受孕日期"}, {"AgeOutsideTheChart", "虚岁"},
                {"WrongUsage", "预测需要"}, {"ImpossibleBirthDate", "请输入正确的母亲出生日期"}}},
        LocaleRow {"TraditionalChinese", "zh_TW.UTF-8", nullptr,
            {{"Prediction", "母親的虛歲"}, {"Explain", "清宮表"}, {"Around", "農曆月"},
                {"Chart", "清宮表"}, {"Evaluate", "準確率"}, {"Help", "虛歲"},
                {"ImpossibleDate", "請輸入正確的受孕日期"}, {"AgeOutsideTheChart", "虛歲"},
                {"WrongUsage", "預測需要"}, {"ImpossibleBirthDate", "請輸入正確的母親出生日期"}}},
        LocaleRow {"HongKongByLanguage", "en_US.UTF-8", "zh_HK",
            {{"Prediction", "虛歲"}, {"Explain", "農曆"}, {"Around", "虛歲"}, {"Chart", "虛歲"},
                {"Evaluate", "記錄"}, {"Help", "農曆"}, {"ImpossibleDate", "受孕日期"},
                {"AgeOutsideTheChart", "虛歲"}, {"WrongUsage", "預測需要"},
                {"ImpossibleBirthDate", "母親出生日期"}}},
        LocaleRow {"Spanish", "es_ES.UTF-8", nullptr,
            {{"Prediction", "Edad lunar de la madre"}, {"Explain", "edad lunar"},
                {"Around", "Edad"}, {"Chart", "calendario chino de embarazo"},
                {"Evaluate", "Kappa de Cohen"}, {"Help", "calendario chino de embarazo"},
                {"ImpossibleDate", "concepción"}, {"AgeOutsideTheChart", "Edad lunar"},
                {"WrongUsage", "una predicción necesita"},
                {"ImpossibleBirthDate", "¡Elige una fecha de nacimiento que exista!"}}},
        LocaleRow {"MexicanSpanish", "es_MX.UTF-8", nullptr,
            {{"Prediction", "Niña"}, {"Explain", "mes lunar"}, {"Around", "Niño"},
                {"Chart", "Niña"}, {"Evaluate", "Registros"}, {"Help", "edad lunar"},
                {"ImpossibleDate", "concepción"}, {"AgeOutsideTheChart", "Edad lunar"},
                {"WrongUsage", "Prueba"}, {"ImpossibleBirthDate", "fecha de nacimiento"}}},
        LocaleRow {"UnitedStates", "en_US.UTF-8", nullptr, {}},
        LocaleRow {"Germany", "de_DE.UTF-8", nullptr, {}},
        LocaleRow {"EnglishOverChinese", "zh_CN.UTF-8", "en", {}}),
    kq::test::RowName());

// What a native speaker found wrong, and how it reads now: whole sentences, no piece glued on
// by the program, each language's own words and numbers.
struct WordingRow
{
    const char *name;
    const char *lang;
    Output output;
    const char *says; // in standard output and error together
    const char *saysNot;
};

class KqPredictWording : public ::testing::TestWithParam<WordingRow>
{
};

TEST_P(KqPredictWording, ReadsAsANativeSpeakerWouldHaveIt)
{
    const WordingRow &row = GetParam();
    const kq::test::ProgramRun answer = run(row.output, row.lang);
    // Lines end in CR LF on Windows; the sentences are what is read here.
    const QString text = QString::fromUtf8(answer.out + answer.err)
                             .replace(QLatin1String("\r\n"), QLatin1String("\n"));
    EXPECT_TRUE(text.contains(QString::fromUtf8(row.says))) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8(row.saysNot))) << text.toStdString();
}

const Output LunarMonthExplained {
    "LunarMonthExplained", {"--lunar-month", "2057-10-01", "--explain"}};

INSTANTIATE_TEST_SUITE_P(Rows, KqPredictWording,
    ::testing::Values(WordingRow {"SimplifiedCongratulation", "zh_CN.UTF-8", TextOutputs[0],
                          "恭喜！预测您将迎来一个女孩", "迎来 "},
        WordingRow {"TraditionalCongratulation", "zh_TW.UTF-8", TextOutputs[0],
            "恭喜！預測您將迎來一個女孩", "迎來 "},
        WordingRow {"SpanishCongratulation", "es_ES.UTF-8", TextOutputs[0],
            "¡Felicidades! Vas a tener una niña", "Enhorabuena"},
        WordingRow {
            "SimplifiedLastDay", "zh_CN.UTF-8", TextOutputs[2], "起始日      结束日", "末日"},
        WordingRow {
            "TraditionalLastDay", "zh_TW.UTF-8", TextOutputs[2], "起始日      結束日", "末日"},
        WordingRow {"SimplifiedAgeLine", "zh_CN.UTF-8", TextOutputs[7], "母亲的虚岁：17", "： 17"},
        WordingRow {
            "SpanishTableHeaders", "es_ES.UTF-8", TextOutputs[4], "Fue niña  Fue niño", "Predicho"},
        WordingRow {
            "SpanishPredictedRow", "es_ES.UTF-8", TextOutputs[4], "Se predijo niña ", "Nació"},
        WordingRow {"SpanishGrouping", "es_ES.UTF-8", TextOutputs[1],
            "En 2\u202f840\u202f755 partos", "2,840,755"},
        WordingRow {"SpanishSpans", "es_ES.UTF-8", TextOutputs[5],
            "para concepciones\nde 1960 a 2012, con el año de nacimiento de 1915 a 2012",
            " en 1960"},
        WordingRow {"SpanishAgeSpan", "es_ES.UTF-8", TextOutputs[4],
            "edad fuera del rango de 18 a 45:", "de de"},
        WordingRow {"SimplifiedFields", "zh_CN.UTF-8", TextOutputs[4], "字段数不是 3：", "三项"},
        WordingRow {"TraditionalFields", "zh_TW.UTF-8", TextOutputs[4], "欄位數不是 3：", "三項"},
        WordingRow {"SimplifiedNotDefined", "zh_CN.UTF-8", {"NoRecords", {"--evaluate"}}, "未定义",
            "无定义"},
        WordingRow {"SimplifiedChooseOne", "zh_CN.UTF-8", {"TwoModes", {"--chart", "--batch"}},
            "只能选其一", "只能选一"},
        WordingRow {"TraditionalArgument", "zh_TW.UTF-8", {"Extra", {"--chart", "extra"}},
            "多餘的引數", "參數"},
        WordingRow {"SimplifiedDateAndMonth", "zh_CN.UTF-8", LunarMonthExplained,
            "2057-10-01：农历 9 月，始于 2057-09-28", "2057-10-01: "},
        WordingRow {"SimplifiedConjunction", "zh_CN.UTF-8", LunarMonthExplained, "合朔", "新月"},
        WordingRow {"TraditionalConjunction", "zh_TW.UTF-8", LunarMonthExplained, "合朔", "新月"},
        WordingRow {"SimplifiedCalendarLine", "zh_CN.UTF-8", LunarMonthExplained,
            "\n历法：扩展历法", "历法： "},
        // The program's own words for the help option win over Qt's catalogue.
        WordingRow {"SimplifiedHelpOption", "zh_CN.UTF-8", TextOutputs[5], "显示命令行选项的帮助。",
            "在命令行选项上显示帮助"}),
    kq::test::RowName());

// The words of a line (runs without spaces) with the columns where each begins and ends.
struct Word
{
    int first = 0;
    int end = 0;
};

std::vector<Word> wordsOf(const QString &line)
{
    std::vector<Word> words;
    qsizetype at = 0;
    while (at < line.size()) {
        if (line.at(at) == u' ') {
            ++at;
            continue;
        }
        const qsizetype next = line.indexOf(u' ', at);
        const qsizetype stop = next < 0 ? line.size() : next;
        words.push_back(
            {kq::test::TerminalColumns(line.left(at)), kq::test::TerminalColumns(line.left(stop))});
        at = stop;
    }
    return words;
}

// A table of a text answer: its heading line and rows, whose last words stand in columns
// aligned on their left ('L') or right ('R') edge; '-' for a word not checked. A row may have
// more words before them (its label).
struct TableRow
{
    const char *name;
    const char *lang;
    Output output;
    int heading; // the line number of the heading, from 0
    int rows; // the rows that follow it
    const char *edges;
};

class KqPredictColumns : public ::testing::TestWithParam<TableRow>
{
protected:
    void SetUp() override
    {
#ifndef _WIN32 // columns are counted with the C library's wcswidth in a UTF-8 locale
        ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
#endif
    }
};

TEST_P(KqPredictColumns, LineUpAsTheTerminalShowsThem)
{
    const TableRow &row = GetParam();
    const kq::test::ProgramRun answer = run(row.output, row.lang);
    const QStringList lines = QString::fromUtf8(answer.out).split(u'\n');
    ASSERT_GT(lines.size(), row.heading + row.rows) << answer.out.toStdString();
    const std::vector<Word> heading = wordsOf(lines.at(row.heading));
    const std::string edges = row.edges;
    const std::size_t columns = edges.size();
    ASSERT_GE(heading.size(), columns) << lines.at(row.heading).toStdString();
    for (int r = 1; r <= row.rows; ++r) {
        const QString &line = lines.at(row.heading + r);
        const std::vector<Word> words = wordsOf(line);
        ASSERT_GE(words.size(), columns) << line.toStdString();
        for (std::size_t i = 0; i < columns; ++i) {
            const Word &word = words[words.size() - columns + i];
            const Word &head = heading[heading.size() - columns + i];
            if (edges[i] == 'L') {
                EXPECT_EQ(word.first, head.first) << line.toStdString();
            } else if (edges[i] == 'R') {
                EXPECT_EQ(word.end, head.end) << line.toStdString();
            }
        }
    }
}

const Output Around = TextOutputs[2];
const Output Evaluate = TextOutputs[4];
const Output Chart = TextOutputs[3];

INSTANTIATE_TEST_SUITE_P(Rows, KqPredictColumns,
    ::testing::Values(TableRow {"AroundSimplified", "zh_CN.UTF-8", Around, 8, 2, "LLRRL"},
        TableRow {"AroundTraditional", "zh_TW.UTF-8", Around, 8, 2, "LLRRL"},
        TableRow {"EvaluateSimplified", "zh_CN.UTF-8", Evaluate, 7, 2, "RR"},
        TableRow {"EvaluateTraditional", "zh_TW.UTF-8", Evaluate, 7, 2, "RR"},
        TableRow {"SkippedRecordsSimplified", "zh_CN.UTF-8", Evaluate, 2, 3, "L"},
        TableRow {"SkippedRecordsSpanish", "es_ES.UTF-8", Evaluate, 2, 3, "L"},
        TableRow {"ChartSimplified", "zh_CN.UTF-8", Chart, 1, 28, "RRRRRRRRRRRR"},
        TableRow {"ChartTraditional", "zh_TW.UTF-8", Chart, 1, 28, "RRRRRRRRRRRR"}),
    kq::test::RowName());

// The "Label:   value" lines of a prediction: every value begins in the same column.
class KqPredictLabels : public ::testing::TestWithParam<LocaleRow>
{
protected:
    void SetUp() override
    {
#ifndef _WIN32 // columns are counted with the C library's wcswidth in a UTF-8 locale
        ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
#endif
    }
};

TEST_P(KqPredictLabels, PutTheValuesInOneColumn)
{
    const Output estimated = TextOutputs[2];
    const kq::test::ProgramRun answer = run(estimated, GetParam().lang);
    const QStringList lines = QString::fromUtf8(answer.out).split(u'\n');
    // The estimate, the age, the month, the gender and the colour.
    ASSERT_GT(lines.size(), 5);
    std::vector<int> columns;
    for (const QString &line : lines.mid(0, 5)) {
        qsizetype colon = line.indexOf(u':');
        const qsizetype wideColon = line.indexOf(u'：');
        if (colon < 0 || (wideColon >= 0 && wideColon < colon))
            colon = wideColon;
        ASSERT_GE(colon, 0) << line.toStdString();
        qsizetype value = colon + 1;
        while (value < line.size() && line.at(value) == u' ')
            ++value;
        columns.push_back(kq::test::TerminalColumns(line.left(value)));
    }
    for (const int column : columns)
        EXPECT_EQ(column, columns.front()) << answer.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, KqPredictLabels,
    ::testing::Values(LocaleRow {"SimplifiedChinese", "zh_CN.UTF-8", nullptr, {}},
        LocaleRow {"TraditionalChinese", "zh_TW.UTF-8", nullptr, {}},
        LocaleRow {"Spanish", "es_ES.UTF-8", nullptr, {}}),
    kq::test::RowName());

} // namespace
