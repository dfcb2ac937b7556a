// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict: the command line of the prediction engine. Reads the arguments once into one
// request (Request.h), answers it with the handler of its mode and returns the exit status.
#pragma once

#include <QStringList>

#include <chrono>
#include <functional>
#include <iosfwd>

namespace kq::cli {

enum ExitStatus {
    ExitPredicted = 0,
    ExitInvalidInput = 2, // an invalid date or input
    ExitAgeOutOfRange = 3,
    ExitUsage = 64,
    ExitIoError = 74, // standard input could not be read or the output could not be written
};

struct CliStreams
{
    std::istream &in;
    std::ostream &out;
    std::ostream &err;
    // Today's local date, asked only when --today is not given.
    std::function<std::chrono::year_month_day()> today;
};

// `arguments` includes the program name first. --help and --version are answered by Qt's
// parser itself, which prints them and ends the process.
int RunKqPredict(const QStringList &arguments, const CliStreams &streams);

} // namespace kq::cli
