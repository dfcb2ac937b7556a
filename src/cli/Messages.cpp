// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's messages in English.
#include "Messages.h"

#include "DueDate.h"
#include "IsoDate.h"
#include "Prediction.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

const char *dateName(DateRole date)
{
    return date == DateRole::Birth ? "birth" : "conception";
}

const char *givenName(EstimatedFrom from)
{
    return from == EstimatedFrom::DueDate ? "due date" : "first day of the last period";
}

} // namespace

std::string ChartAgesText()
{
    return std::to_string(modDurorurOzivurediRuvidevo::YoungestChartAge) + " to "
        + std::to_string(modDurorurOzivurediRuvidevo::OldestChartAge);
}

std::string EstimateBasisText(const ConceptionEstimate &estimate)
{
    if (estimate.from == EstimatedFrom::DueDate)
        return std::to_string(DaysFromConceptionToDueDate) + " days before the due date "
            + FormatIsoDate(estimate.given);
    return std::to_string(DaysFromLastPeriodToConception)
        + " days after the first day of the last period " + FormatIsoDate(estimate.given);
}

std::string RejectionMessage(const Rejection &rejection)
{
    switch (rejection.reason) {
    case RejectionReason::NotWritten:
        return std::string("The date of ") + dateName(rejection.date)
            + " must be written YYYY-MM-DD";
    case RejectionReason::YearOutside:
        return std::string("The year of ") + dateName(rejection.date) + " must be between "
            + std::to_string(rejection.firstYear) + " and " + std::to_string(rejection.lastYear);
    case RejectionReason::DateCheck:
        return std::string(DateCheckMessage(rejection.check));
    case RejectionReason::AgeOutOfRange:
        return std::string(AgeOutOfRangeText);
    case RejectionReason::NoLunarMonth:
        return "No lunar month is known for the date";
    case RejectionReason::NotTwoDates:
        return "Expected two dates, BIRTH CONCEPTION, separated by white space";
    case RejectionReason::LineTooLong:
        return "The line is longer than " + std::to_string(rejection.limit) + " characters";
    case RejectionReason::EstimateNotADate:
        return std::string("The ") + givenName(rejection.from)
            + " must be a date that exists, written YYYY-MM-DD";
    case RejectionReason::EstimateOutside:
        if (!rejection.estimate)
            break;
        return "The estimated date of conception, " + FormatIsoDate(rejection.estimate->conception)
            + " (" + EstimateBasisText(*rejection.estimate) + "), must be in the years "
            + std::to_string(rejection.firstYear) + " to " + std::to_string(rejection.lastYear);
    }
    return "The input cannot be used";
}

std::string UsageMessage(const Usage &usage)
{
    switch (usage.problem) {
    case UsageProblem::ParserError:
        return usage.text;
    case UsageProblem::UnexpectedArgument:
        return "unexpected argument '" + usage.text + "'";
    case UsageProblem::GivenTwice:
        return "--" + usage.text + " is given more than once";
    case UsageProblem::EvaluateAlone:
        return "--evaluate goes without a prediction, --batch, --lunar-month and --chart";
    case UsageProblem::FromBirthWithoutEvaluate:
        return "--from-birth goes with --evaluate only";
    case UsageProblem::NoQuestion:
        return "give --birth and --conception, or --batch, --lunar-month or --chart";
    case UsageProblem::TwoQuestions:
        return "choose one of a prediction (--birth, --conception), --batch, --lunar-month and "
               "--chart";
    case UsageProblem::TwoConceptionSources:
        return "give only one of --conception, --due and --last-period";
    case UsageProblem::PredictionIncomplete:
        return "a prediction needs --birth and one of --conception, --due and --last-period";
    case UsageProblem::AroundWithoutPrediction:
        return "--around goes with a single prediction only";
    case UsageProblem::AroundDays:
        return "--around needs a whole number of days from " + std::to_string(usage.first) + " to "
            + std::to_string(usage.last);
    case UsageProblem::ExplainWithEvaluate:
        return "--explain does not go with --evaluate";
    case UsageProblem::ExplainWithoutText:
        return "--explain goes with a text answer only";
    case UsageProblem::TodayWithoutPrediction:
        return "--today goes with a prediction or --batch only";
    case UsageProblem::TodayNotADate:
        break;
    }
    return "--today needs a date that exists, written YYYY-MM-DD";
}

std::string UsageHintText()
{
    return "Try 'kq-predict --help' for more information.";
}

std::string RunFailureMessage(RunFailure failure)
{
    switch (failure) {
    case RunFailure::OutputNotWritten:
        return "could not write the output";
    case RunFailure::InputNotRead:
        return "could not read all input";
    case RunFailure::BatchNotComplete:
        return "could not read all input or write all answers";
    case RunFailure::NothingEvaluated:
        break;
    }
    return "no record could be evaluated";
}

} // namespace kq::cli
