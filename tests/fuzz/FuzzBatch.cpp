// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fuzz target: kq-predict --batch. The input is the text on standard input, read by the same
// BatchRunner the program uses. Every non-blank line gets exactly one JSON object, in order;
// each is a prediction or a rejection; a malformed line's object carries its own line number;
// a prediction is given only for two dates that exist and lie in the span.
#include "BatchLineReader.h"
#include "BatchRunner.h"
#include "FuzzSupport.h"
#include "Predictor.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <sstream>

namespace {

using namespace std::chrono;
using kq::fuzz::Check;

const year_month_day Today = year {2009} / December / day {1};

// The lines of the input as the program must see them: split at "\n", a last line without
// its line break counts, an empty remainder after the last "\n" does not.
std::vector<std::string> InputLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// White-space separated words, as the C library sees white space.
std::vector<std::string> Words(const std::string &line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool InSpan(const std::optional<year_month_day> &date, int firstYear)
{
    return date && kq::fuzz::YearOf(*date) >= firstYear
        && kq::fuzz::YearOf(*date) <= kq::fuzz::LastYear;
}

void CheckAnswer(const std::string &line, long long number, const QJsonObject &answer)
{
    const std::string where = "line " + std::to_string(number) + ": " + kq::fuzz::Hex(line);
    const QString outcome = answer.value(QStringLiteral("outcome")).toString();
    const bool tooLong = line.size() > kq::cli::BatchLineReader::DefaultLineLimit;
    const std::vector<std::string> words = tooLong ? std::vector<std::string> {} : Words(line);
    const auto birth = words.size() == 2 ? kq::fuzz::CanonicalDate(words[0]) : std::nullopt;
    const auto conception = words.size() == 2 ? kq::fuzz::CanonicalDate(words[1]) : std::nullopt;
    const bool twoDatesInSpan = InSpan(conception, kq::fuzz::FirstConceptionYear) && birth
        && kq::fuzz::BirthYearAccepted(kq::fuzz::YearOf(*birth), kq::fuzz::YearOf(*conception));

    // Only a malformed line names its line, and always its own.
    Check(answer.contains(QStringLiteral("line")) == (outcome == QStringLiteral("InvalidInput")),
        "exactly the malformed answers carry a line", where);
    if (outcome == QStringLiteral("InvalidInput"))
        Check(answer.value(QStringLiteral("line")).toInteger() == number,
            "a malformed answer names its own line", where);

    if (outcome == QStringLiteral("Predicted")) {
        Check(twoDatesInSpan, "a prediction only for two existing dates in the span", where);
        QStringList keys = answer.keys();
        keys.sort();
        Check(keys
                == QStringList {"babyColour", "babyColourName", "calendar", "conceptionLunarMonth",
                    "congratulationMessage", "gender", "motherChineseAge", "outcome"},
            "a prediction has exactly its eight keys", where);
        const int age = answer.value(QStringLiteral("motherChineseAge")).toInt(-1);
        const int month = answer.value(QStringLiteral("conceptionLunarMonth")).toInt(-1);
        Check(age >= 18 && age <= 45, "a predicted age lies in the chart", where);
        Check(month >= 1 && month <= 12, "a lunar month of the span is 1 to 12", where);
        const QString gender = answer.value(QStringLiteral("gender")).toString();
        Check(gender == QStringLiteral("Boy") || gender == QStringLiteral("Girl"),
            "the gender is Boy or Girl", where);
    } else if (outcome == QStringLiteral("AgeOutOfRange")) {
        Check(twoDatesInSpan, "an age is computed only for two existing dates in the span", where);
        const int age = answer.value(QStringLiteral("motherChineseAge")).toInt(30);
        Check(age < 18 || age > 45, "an age out of range lies outside the chart", where);
    } else if (outcome == QStringLiteral("InvalidDate")) {
        Check(words.size() == 2 && !twoDatesInSpan,
            "only two dates of which one does not exist are an invalid date", where);
    } else {
        Check(outcome == QStringLiteral("InvalidInput"), "the outcome is one of four", where);
        Check(!twoDatesInSpan, "two existing dates in the span are never malformed", where);
    }
    if (outcome != QStringLiteral("InvalidInput"))
        Check(
            answer.contains(QStringLiteral("message")) == (outcome != QStringLiteral("Predicted")),
            "a rejection has a message, a prediction none", where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    kq::cli::Predictor predictor(Today);
    kq::cli::BatchRunner runner(predictor);
    std::istringstream in(text);
    std::ostringstream out;
    Check(runner.run(in, out), "the run reads all input and writes all answers");

    const std::string output = out.str();
    Check(output.empty() || output.back() == '\n', "every answer ends its line");
    const std::vector<std::string> answers = InputLines(output);
    std::size_t next = 0;
    long long number = 0;
    for (const std::string &line : InputLines(text)) {
        ++number;
        const bool blank = line.size() <= kq::cli::BatchLineReader::DefaultLineLimit
            && line.find_first_not_of(" \t\r\v\f") == std::string::npos;
        if (blank)
            continue;
        Check(next < answers.size(), "every non-blank line gets an answer",
            "line " + std::to_string(number));
        QJsonParseError error {};
        const QJsonDocument json
            = QJsonDocument::fromJson(QByteArray::fromStdString(answers[next++]), &error);
        Check(error.error == QJsonParseError::NoError && json.isObject(),
            "every answer is one JSON object", answers[next - 1]);
        CheckAnswer(line, number, json.object());
    }
    Check(next == answers.size(), "no answer without a line");
    return 0;
}
