// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words of kq-predict's messages: every rejection's text is chosen here, from its reason
// and arguments, for the text and the JSON answers alike. The JSON answers take the English
// words; the text answers the same words in the user's language.
#pragma once

#include "ConceptionEstimate.h"
#include "Rejection.h"

#include <cstdint>
#include <string>

namespace kq::cli {

// English for the JSON answers, whatever the locale; the user's language for people.
enum class Wording { English, UserLanguage };

// One line (the age message: two, joined by "\r\n") saying why there is no prediction.
std::string RejectionMessage(const Rejection &rejection, Wording wording = Wording::English);

// "266 days before the due date 2008-11-13", "14 days after the first day of the last period
// 2008-02-07".
std::string EstimateBasisText(
    const ConceptionEstimate &estimate, Wording wording = Wording::English);

// What is wrong with a command line.
enum class UsageProblem : std::uint8_t {
    ParserError, // Qt's parser refused it; `text` holds the parser's own words
    UnexpectedArgument, // `text`: the first argument that is not an option
    GivenTwice, // `text`: the option's name
    EvaluateAlone,
    FromBirthWithoutEvaluate,
    NoQuestion,
    TwoQuestions,
    TwoConceptionSources,
    PredictionIncomplete,
    AroundWithoutPrediction,
    AroundDays, // `first`, `last`: the days allowed
    ExplainWithEvaluate,
    ExplainWithoutText,
    TodayWithoutPrediction,
    TodayNotADate,
};

struct Usage
{
    UsageProblem problem = UsageProblem::NoQuestion;
    std::string text;
    int first = 0;
    int last = 0;
};

// The line that says what is wrong (without the program's name).
std::string UsageMessage(const Usage &usage, Wording wording = Wording::English);

// The line after a usage message that points to the help.
std::string UsageHintText(Wording wording = Wording::English);

// Why a run that read its input or wrote its answers did not finish.
enum class RunFailure : std::uint8_t {
    OutputNotWritten,
    InputNotRead,
    BatchNotComplete,
    NothingEvaluated,
};

std::string RunFailureMessage(RunFailure failure, Wording wording = Wording::English);

// "18 to 45": the mother's Chinese ages the chart knows.
std::string ChartAgesText(Wording wording = Wording::English);

} // namespace kq::cli
