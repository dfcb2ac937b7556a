// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The words of kq-predict's messages: every rejection's text is chosen here, from its reason
// and arguments, for the text and the JSON answers alike. The JSON answers take the English
// words; the text answers the same words in the user's language.
#pragma once

#include "ConceptionEstimate.h"
#include "Rejection.h"
#include "Wording.h"

#include <QString>

#include <cstdint>

namespace kq::cli {

// A span of years, days or ages: "1901 to 2099".
QString Span(int first, int last, Wording wording = Wording::UserLanguage);

// "18 to 45": the mother's Chinese ages the chart knows.
QString ChartAges(Wording wording = Wording::UserLanguage);

// The headings of the columns of the mother's Chinese age and of the lunar month, in the chart
// and in the runs of --around.
QString AgeHeading();
QString MonthHeading();

// One line saying why there is no answer.
QString RejectionMessage(const Rejection &rejection, Wording wording = Wording::UserLanguage);

// "266 days before the due date 2008-11-13", "14 days after the first day of the last period
// 2008-02-07".
QString EstimateBasisText(
    const ConceptionEstimate &estimate, Wording wording = Wording::UserLanguage);

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
    QString text;
    int first = 0;
    int last = 0;
};

// The line that says what is wrong (without the program's name).
QString UsageMessage(const Usage &usage, Wording wording = Wording::UserLanguage);

// The line after a usage message that points to the help.
QString UsageHintText(Wording wording = Wording::UserLanguage);

// Why a run that read its input or wrote its answers did not finish.
enum class RunFailure : std::uint8_t {
    OutputNotWritten,
    InputNotRead,
    BatchNotComplete,
    NothingEvaluated,
};

QString RunFailureMessage(RunFailure failure, Wording wording = Wording::UserLanguage);

} // namespace kq::cli
