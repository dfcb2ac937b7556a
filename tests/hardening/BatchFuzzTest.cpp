// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --batch under random and hostile lines: binary bytes, NUL, huge lines, impossible
// and out-of-range dates, numbers written every which way. Every non-blank line gets exactly one
// JSON object, in order, and the run never fails; the built program does the same through a
// pipe.
#include "BatchLineReader.h"
#include "BatchRunner.h"
#include "Fuzz.h"
#include "Predictor.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

using kq::hardening::Fuzz;
using namespace std::chrono;

const year_month_day FixedToday = year {2009} / December / day {1};

bool IsBlank(const std::string &line)
{
    // A line over the limit is answered as too long, whatever it holds.
    if (line.size() > kq::cli::BatchLineReader::DefaultLineLimit)
        return false;
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f')
            return false;
    return true;
}

std::string HostileDate(Fuzz &fuzz)
{
    static const char *const dates[]
        = {"2012-02-30", "0000-00-00", "+1e9", "1980-06-15", "2008-02-21", "9999-99-99",
            "-1980-06-15", "1980-6-15", "1980-06-15T00:00", "19800615", "2012-12-31", "1960-01-01",
            "1915-01-01", "2013-01-01", "1959-12-31", "1980-02-29", "1981-02-29", "１９８０-06-15",
            "1e308", "NaN", "-0", "0x7fffffff", "18446744073709551616", "1980-06-15\xff",
            "\xef\xbb\xbf"
            "1980-06-15",
            "1980-13-01", "1980-00-10", "%n%s%s"};
    return dates[fuzz.below(std::size(dates))];
}

// One line of input (without its line break).
std::string HostileLine(Fuzz &fuzz)
{
    switch (fuzz.below(10)) {
    case 0:
        return fuzz.bytes(static_cast<int>(fuzz.below(80)), false);
    case 1:
        return std::string(4090 + fuzz.below(20), fuzz.chance(50) ? '1' : ' ');
    case 2:
        return fuzz.bytes(5000 + static_cast<int>(fuzz.below(100000)), false); // huge
    case 3: {
        static const char *const blanks[] = {"", " ", "\r", "\t \r", "\v\f"};
        return blanks[fuzz.below(std::size(blanks))];
    }
    case 4:
        return HostileDate(fuzz);
    case 5:
        return HostileDate(fuzz) + " " + HostileDate(fuzz) + " " + HostileDate(fuzz);
    case 6:
        return std::string("1980-06-15") + '\0' + " 2008-02-21";
    default: {
        static const char *const gaps[] = {" ", "\t", "  \t ", "\r", "\v"};
        return HostileDate(fuzz) + gaps[fuzz.below(std::size(gaps))] + HostileDate(fuzz)
            + (fuzz.chance(20) ? "\r" : "");
    }
    }
}

struct Input
{
    std::string text;
    std::size_t nonBlankLines = 0;
};

Input HostileInput(Fuzz &fuzz, int lines)
{
    Input input;
    for (int i = 0; i < lines; ++i) {
        const std::string line = HostileLine(fuzz);
        input.text += line;
        if (!IsBlank(line))
            ++input.nonBlankLines;
        // The last line may end without a line break (then a blank last line is no line).
        if (i + 1 < lines || fuzz.chance(50))
            input.text += '\n';
    }
    return input;
}

// Every answer is one JSON object with a known outcome.
void CheckAnswers(const std::string &output, std::size_t expectedLines, int round)
{
    static const std::set<QString> outcomes {
        "Predicted", "AgeOutOfRange", "InvalidDate", "InvalidInput"};
    std::size_t count = 0;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        ++count;
        QJsonParseError error {};
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << "round " << round << ": " << line;
        ASSERT_TRUE(json.isObject()) << "round " << round << ": " << line;
        ASSERT_TRUE(outcomes.count(json.object().value("outcome").toString()))
            << "round " << round << ": " << line;
    }
    ASSERT_EQ(count, expectedLines) << "round " << round;
    ASSERT_TRUE(output.empty() || output.back() == '\n') << "round " << round;
}

TEST(BatchFuzz, EveryNonBlankLineGetsOneJsonObjectInOrder)
{
    Fuzz fuzz(2012);
    for (int round = 0; round < 60; ++round) {
        const Input input = HostileInput(fuzz, 1 + static_cast<int>(fuzz.below(120)));
        kq::cli::Predictor predictor(FixedToday);
        kq::cli::BatchRunner runner(predictor);
        std::istringstream in(input.text);
        std::ostringstream out;
        ASSERT_TRUE(runner.run(in, out)) << "round " << round;
        CheckAnswers(out.str(), input.nonBlankLines, round);
    }
}

// The line of a malformed answer is its line number in the input, blank lines included.
TEST(BatchFuzz, MalformedAnswersNameTheirInputLine)
{
    Fuzz fuzz(77);
    std::string text;
    std::vector<long long> malformed;
    for (int line = 1; line <= 300; ++line) {
        if (fuzz.chance(30)) {
            text += fuzz.chance(50) ? "\r\n" : "\n"; // blank
        } else if (fuzz.chance(50)) {
            text += "x " + std::to_string(line) + " y\n";
            malformed.push_back(line);
        } else {
            text += "1980-06-15 2008-02-21\n";
        }
    }
    kq::cli::Predictor predictor(FixedToday);
    kq::cli::BatchRunner runner(predictor);
    std::istringstream in(text);
    std::ostringstream out;
    ASSERT_TRUE(runner.run(in, out));
    std::vector<long long> numbered;
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) {
        const QJsonObject object
            = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        if (object.contains("line"))
            numbered.push_back(object.value("line").toInteger());
    }
    EXPECT_EQ(numbered, malformed);
}

// The built program, fed binary input through a pipe: status 0, nothing on standard error,
// one JSON line per non-blank input line.
TEST(BatchFuzz, TheProgramAnswersHostileInputThroughAPipe)
{
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        Fuzz fuzz(seed);
        const Input input = HostileInput(fuzz, 400);
        QProcess process;
        process.start(QStringLiteral(KQ_PREDICT_PATH), {"--batch", "--today", "2009-12-01"});
        ASSERT_TRUE(process.waitForStarted());
        process.write(QByteArray::fromStdString(input.text));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(120000));
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << "seed " << seed;
        EXPECT_EQ(process.exitCode(), 0) << "seed " << seed;
        EXPECT_EQ(process.readAllStandardError(), QByteArray()) << "seed " << seed;
        CheckAnswers(process.readAllStandardOutput().toStdString(), input.nonBlankLines,
            static_cast<int>(seed));
    }
}

} // namespace
