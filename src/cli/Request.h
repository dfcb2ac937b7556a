// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's command line, read once into one value: the question it asks, one of its modes
// (a prediction, --batch, --lunar-month, --chart, --evaluate), or what is wrong with it.
#pragma once

#include "ConceptionEstimate.h"
#include "Evaluation.h"
#include "Messages.h"
#include "Predictor.h"

#include <QStringList>

#include <chrono>
#include <optional>
#include <variant>

namespace kq::cli {

// --birth with --conception, --due or --last-period.
struct PredictionRequest
{
    TypedDate birth;
    TypedDate conception; // as given, or the due date or the last period's first day
    std::optional<EstimatedFrom> estimatedFrom; // --due, --last-period: conception estimated
    int aroundDays = 0; // --around; 0 when not given
    std::optional<std::chrono::year_month_day> today; // --today
    bool json = false;
    bool explain = false;
};

struct BatchRequest
{
    std::optional<std::chrono::year_month_day> today;
};

struct LunarMonthRequest
{
    TypedDate date;
    bool json = false;
    bool explain = false;
};

struct ChartRequest
{
    bool json = false;
};

struct EvaluateRequest
{
    SecondDate secondDate = SecondDate::Conception; // --from-birth: the baby's date of birth
    bool json = false;
};

using Request = std::variant<PredictionRequest, BatchRequest, LunarMonthRequest, ChartRequest,
    EvaluateRequest>;

// The request of a command line (`arguments` with the program's name first), or what is wrong
// with it. --help and --version are answered by Qt's parser itself, which prints them and ends
// the process.
std::variant<Request, Usage> ReadRequest(const QStringList &arguments);

} // namespace kq::cli
