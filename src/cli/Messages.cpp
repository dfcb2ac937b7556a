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

} // namespace kq::cli
