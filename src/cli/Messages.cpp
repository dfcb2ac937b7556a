// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's messages in English, marked for the catalogues.
#include "Messages.h"

#include "ChartSpan.h"
#include "DueDate.h"
#include "EngineWords.h"
#include "IsoDate.h"
#include "Words.h"

namespace kq::cli {

QString Span(int first, int last, Wording wording)
{
    //: A span of years, days or ages, both ends included, as the sentences around it use it.
    return Word(QT_TRANSLATE_NOOP("KqPredict", "%1 to %2"), wording).arg(first).arg(last);
}

QString ChartAges(Wording wording)
{
    return Span(modDurorurOzivurediRuvidevo::YoungestChartAge,
        modDurorurOzivurediRuvidevo::OldestChartAge, wording);
}

QString AgeHeading()
{
    return KqPredict::tr("Age");
}

QString MonthHeading()
{
    return KqPredict::tr("Month");
}

QString EstimateBasisText(const ConceptionEstimate &estimate, Wording wording)
{
    if (estimate.from == EstimatedFrom::DueDate)
        return Word(QT_TRANSLATE_NOOP("KqPredict", "%1 days before the due date %2"), wording)
            .arg(DaysFromConceptionToDueDate)
            .arg(FormatIsoDate(estimate.given));
    return Word(QT_TRANSLATE_NOOP("KqPredict", "%1 days after the first day of the last period %2"),
        wording)
        .arg(DaysFromLastPeriodToConception)
        .arg(FormatIsoDate(estimate.given));
}

QString RejectionMessage(const Rejection &rejection, Wording wording)
{
    const bool birth = rejection.date == DateRole::Birth;
    const bool dueDate = rejection.from == EstimatedFrom::DueDate;
    QString message;
    switch (rejection.reason) {
    case RejectionReason::NotWritten:
        message = birth
            ? Word(QT_TRANSLATE_NOOP("KqPredict", "The date of birth must be written YYYY-MM-DD"),
                wording)
            : Word(
                QT_TRANSLATE_NOOP("KqPredict", "The date of conception must be written YYYY-MM-DD"),
                wording);
        break;
    case RejectionReason::YearOutside:
        message = (birth ? Word(QT_TRANSLATE_NOOP(
                                    "KqPredict", "The year of birth must be between %1 and %2"),
                       wording)
                         : Word(QT_TRANSLATE_NOOP("KqPredict",
                                    "The year of conception must be between %1 and %2"),
                             wording))
                      .arg(rejection.firstYear)
                      .arg(rejection.lastYear);
        break;
    case RejectionReason::DateCheck:
        return EngineWords::dateCheck(rejection.check, wording);
    case RejectionReason::NoLunarMonth:
        message
            = Word(QT_TRANSLATE_NOOP("KqPredict", "No lunar month is known for the date"), wording);
        break;
    case RejectionReason::NotTwoDates:
        message = Word(QT_TRANSLATE_NOOP("KqPredict",
                           "Expected two dates, BIRTH CONCEPTION, separated by white space"),
            wording);
        break;
    case RejectionReason::LineTooLong:
        message
            = Word(QT_TRANSLATE_NOOP("KqPredict", "The line is longer than %1 characters"), wording)
                  .arg(rejection.limit);
        break;
    case RejectionReason::EstimateNotADate:
        message = dueDate
            ? Word(QT_TRANSLATE_NOOP(
                       "KqPredict", "The due date must be a date that exists, written YYYY-MM-DD"),
                wording)
            : Word(QT_TRANSLATE_NOOP("KqPredict",
                       "The first day of the last period must be a date that exists, written "
                       "YYYY-MM-DD"),
                wording);
        break;
    case RejectionReason::EstimateOutside:
        if (!rejection.estimate)
            break;
        message
            = Word(QT_TRANSLATE_NOOP("KqPredict",
                       "The estimated date of conception, %1 (%2), must be in the years %3 "
                       "to %4"),
                wording)
                  .arg(FormatIsoDate(rejection.estimate->conception),
                      EstimateBasisText(*rejection.estimate, wording),
                      QString::number(rejection.firstYear), QString::number(rejection.lastYear));
        break;
    }
    if (message.isEmpty())
        message = Word(QT_TRANSLATE_NOOP("KqPredict", "The input cannot be used"), wording);
    return message;
}

QString UsageMessage(const Usage &usage, Wording wording)
{
    const auto say = [wording](const char *english) { return Word(english, wording); };
    QString message;
    switch (usage.problem) {
    case UsageProblem::ParserError:
        return usage.text;
    case UsageProblem::UnexpectedArgument:
        message = say(QT_TRANSLATE_NOOP("KqPredict", "unexpected argument '%1'")).arg(usage.text);
        break;
    case UsageProblem::GivenTwice:
        message
            = say(QT_TRANSLATE_NOOP("KqPredict", "--%1 is given more than once")).arg(usage.text);
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
    return message;
}

QString UsageHintText(Wording wording)
{
    return Word(
        QT_TRANSLATE_NOOP("KqPredict", "Try 'kq-predict --help' for more information."), wording);
}

QString RunFailureMessage(RunFailure failure, Wording wording)
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
    return Word(english, wording);
}

} // namespace kq::cli
