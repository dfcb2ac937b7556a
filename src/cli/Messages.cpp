// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's messages in English, marked for the catalogues.
#include "Messages.h"

#include "DueDate.h"
#include "EngineWords.h"
#include "IsoDate.h"
#include "Prediction.h"
#include "Words.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

// A message's English text, or its translation for people.
QString word(const char *english, Wording wording)
{
    return wording == Wording::English ? QString::fromUtf8(english)
                                       : QCoreApplication::translate("KqPredict", english);
}

QString date(const std::chrono::year_month_day &day)
{
    return QString::fromStdString(FormatIsoDate(day));
}

} // namespace

std::string ChartAgesText(Wording wording)
{
    return word(QT_TRANSLATE_NOOP("KqPredict", "%1 to %2"), wording)
        .arg(modDurorurOzivurediRuvidevo::YoungestChartAge)
        .arg(modDurorurOzivurediRuvidevo::OldestChartAge)
        .toStdString();
}

std::string EstimateBasisText(const ConceptionEstimate &estimate, Wording wording)
{
    if (estimate.from == EstimatedFrom::DueDate)
        return word(QT_TRANSLATE_NOOP("KqPredict", "%1 days before the due date %2"), wording)
            .arg(DaysFromConceptionToDueDate)
            .arg(date(estimate.given))
            .toStdString();
    return word(QT_TRANSLATE_NOOP("KqPredict", "%1 days after the first day of the last period %2"),
        wording)
        .arg(DaysFromLastPeriodToConception)
        .arg(date(estimate.given))
        .toStdString();
}

std::string RejectionMessage(const Rejection &rejection, Wording wording)
{
    const bool birth = rejection.date == DateRole::Birth;
    const bool dueDate = rejection.from == EstimatedFrom::DueDate;
    QString message;
    switch (rejection.reason) {
    case RejectionReason::NotWritten:
        message = birth
            ? word(QT_TRANSLATE_NOOP("KqPredict", "The date of birth must be written YYYY-MM-DD"),
                wording)
            : word(
                QT_TRANSLATE_NOOP("KqPredict", "The date of conception must be written YYYY-MM-DD"),
                wording);
        break;
    case RejectionReason::YearOutside:
        message = (birth ? word(QT_TRANSLATE_NOOP(
                                    "KqPredict", "The year of birth must be between %1 and %2"),
                       wording)
                         : word(QT_TRANSLATE_NOOP("KqPredict",
                                    "The year of conception must be between %1 and %2"),
                             wording))
                      .arg(rejection.firstYear)
                      .arg(rejection.lastYear);
        break;
    case RejectionReason::DateCheck:
        return wording == Wording::English ? std::string(DateCheckMessage(rejection.check))
                                           : Say(EngineWords::dateCheck(rejection.check));
    case RejectionReason::AgeOutOfRange:
        return wording == Wording::English ? std::string(AgeOutOfRangeText)
                                           : Say(EngineWords::ageOutOfRange());
    case RejectionReason::NoLunarMonth:
        message
            = word(QT_TRANSLATE_NOOP("KqPredict", "No lunar month is known for the date"), wording);
        break;
    case RejectionReason::NotTwoDates:
        message = word(QT_TRANSLATE_NOOP("KqPredict",
                           "Expected two dates, BIRTH CONCEPTION, separated by white space"),
            wording);
        break;
    case RejectionReason::LineTooLong:
        message
            = word(QT_TRANSLATE_NOOP("KqPredict", "The line is longer than %1 characters"), wording)
                  .arg(rejection.limit);
        break;
    case RejectionReason::EstimateNotADate:
        message = dueDate
            ? word(QT_TRANSLATE_NOOP(
                       "KqPredict", "The due date must be a date that exists, written YYYY-MM-DD"),
                wording)
            : word(QT_TRANSLATE_NOOP("KqPredict",
                       "The first day of the last period must be a date that exists, written "
                       "YYYY-MM-DD"),
                wording);
        break;
    case RejectionReason::EstimateOutside:
        if (!rejection.estimate)
            break;
        message
            = word(QT_TRANSLATE_NOOP("KqPredict",
                       "The estimated date of conception, %1 (%2), must be in the years %3 "
                       "to %4"),
                wording)
                  .arg(date(rejection.estimate->conception),
                      QString::fromStdString(EstimateBasisText(*rejection.estimate, wording)),
                      QString::number(rejection.firstYear), QString::number(rejection.lastYear));
        break;
    }
    if (message.isEmpty())
        message = word(QT_TRANSLATE_NOOP("KqPredict", "The input cannot be used"), wording);
    return message.toStdString();
}

std::string UsageMessage(const Usage &usage, Wording wording)
{
    const auto say = [wording](const char *english) { return word(english, wording); };
    QString message;
    switch (usage.problem) {
    case UsageProblem::ParserError:
        return usage.text;
    case UsageProblem::UnexpectedArgument:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "unexpected argument '%1'"))
                      .arg(QString::fromStdString(usage.text));
        break;
    case UsageProblem::GivenTwice:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "--%1 is given more than once"))
                      .arg(QString::fromStdString(usage.text));
        break;
    case UsageProblem::EvaluateAlone:
        message = say(QT_TRANSLATE_NOOP("KqPredict",
            "--evaluate goes without a prediction, --batch, --lunar-month and --chart"));
        break;
    case UsageProblem::FromBirthWithoutEvaluate:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "--from-birth goes with --evaluate only"));
        break;
    case UsageProblem::NoQuestion:
        message = say(QT_TRANSLATE_NOOP(
            "KqPredict", "give --birth and --conception, or --batch, --lunar-month or --chart"));
        break;
    case UsageProblem::TwoQuestions:
        message = say(QT_TRANSLATE_NOOP("KqPredict",
            "choose one of a prediction (--birth, --conception), --batch, --lunar-month and "
            "--chart"));
        break;
    case UsageProblem::TwoConceptionSources:
        message = say(QT_TRANSLATE_NOOP(
            "KqPredict", "give only one of --conception, --due and --last-period"));
        break;
    case UsageProblem::PredictionIncomplete:
        message = say(QT_TRANSLATE_NOOP("KqPredict",
            "a prediction needs --birth and one of --conception, --due and --last-period"));
        break;
    case UsageProblem::AroundWithoutPrediction:
        message
            = say(QT_TRANSLATE_NOOP("KqPredict", "--around goes with a single prediction only"));
        break;
    case UsageProblem::AroundDays:
        message = say(
            QT_TRANSLATE_NOOP("KqPredict", "--around needs a whole number of days from %1 to %2"))
                      .arg(usage.first)
                      .arg(usage.last);
        break;
    case UsageProblem::ExplainWithEvaluate:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "--explain does not go with --evaluate"));
        break;
    case UsageProblem::ExplainWithoutText:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "--explain goes with a text answer only"));
        break;
    case UsageProblem::TodayWithoutPrediction:
        message
            = say(QT_TRANSLATE_NOOP("KqPredict", "--today goes with a prediction or --batch only"));
        break;
    case UsageProblem::TodayNotADate:
        break;
    }
    if (message.isEmpty())
        message = say(
            QT_TRANSLATE_NOOP("KqPredict", "--today needs a date that exists, written YYYY-MM-DD"));
    return message.toStdString();
}

std::string UsageHintText(Wording wording)
{
    return word(
        QT_TRANSLATE_NOOP("KqPredict", "Try 'kq-predict --help' for more information."), wording)
        .toStdString();
}

std::string RunFailureMessage(RunFailure failure, Wording wording)
{
    const char *english = QT_TRANSLATE_NOOP("KqPredict", "no record could be evaluated");
    switch (failure) {
    case RunFailure::OutputNotWritten:
        english = QT_TRANSLATE_NOOP("KqPredict", "could not write the output");
        break;
    case RunFailure::InputNotRead:
        english = QT_TRANSLATE_NOOP("KqPredict", "could not read all input");
        break;
    case RunFailure::BatchNotComplete:
        english = QT_TRANSLATE_NOOP("KqPredict", "could not read all input or write all answers");
        break;
    case RunFailure::NothingEvaluated:
        break;
    }
    return word(english, wording).toStdString();
}

} // namespace kq::cli
