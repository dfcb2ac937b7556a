// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Running kq-predict inside the test process, with a fixed today, and reading its JSON lines.
#pragma once

#include "KqPredict.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <istream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kq::test {

// The date kq-predict takes as today where --today is not given.
inline const std::chrono::year_month_day FixedToday
    = std::chrono::year {2009} / std::chrono::December / std::chrono::day {1};

struct CliRun
{
    int status = 0;
    std::string out;
    std::string err;
};

// kq-predict with these arguments (the program name is put first) and this standard input.
inline CliRun RunCli(QStringList arguments, std::istream &in)
{
    arguments.prepend(QStringLiteral("kq-predict"));
    std::ostringstream out, err;
    CliRun result;
    result.status = kq::cli::RunKqPredict(arguments, {in, out, err, [] { return FixedToday; }});
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline CliRun RunCli(const QStringList &arguments, const std::string &input = {})
{
    std::istringstream in(input);
    return RunCli(arguments, in);
}

// The keys of a prediction's JSON answer.
inline const std::set<QString> PredictionKeys
    = {"outcome", "motherChineseAge", "conceptionLunarMonth", "calendar", "gender", "babyColour",
        "babyColourName", "congratulationMessage"};

inline std::set<QString> KeysOf(const QJsonObject &object)
{
    const QStringList keys = object.keys();
    return {keys.begin(), keys.end()};
}

inline QJsonObject ParseObject(const std::string &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(document.isObject()) << line;
    return document.object();
}

inline std::vector<std::string> LinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace kq::test
