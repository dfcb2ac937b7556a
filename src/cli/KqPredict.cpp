// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The command line of kq-predict: options, their combinations, and the dispatch to a single
// prediction, --batch, --lunar-month, --chart or --evaluate.
#include "KqPredict.h"

#include "AnswerRuns.h"
#include "BatchRunner.h"
#include "ConceptionEstimate.h"
#include "DueDate.h"
#include "EvaluationReport.h"
#include "IsoDate.h"
#include "Messages.h"
#include "Predictor.h"
#include "ReplyJson.h"
#include "TextOutput.h"
#include "Words.h"

#include <QCommandLineParser>

#include <istream>
#include <optional>
#include <ostream>

namespace kq::cli {

namespace {

// A span of years or days, as the help names it: "1901 to 2099".
QString span(int first, int last)
{
    return KqPredict::tr("%1 to %2").arg(first).arg(last);
}

QString description()
{
    return KqPredict::tr(
        "Predicts a baby's gender by the Chinese pregnancy calendar, for fun.\n"
        "\n"
        "  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]\n"
        "             [--around DAYS]\n"
        "  kq-predict --birth DATE (--due DATE | --last-period DATE) [...as above]\n"
        "  kq-predict --batch [--today DATE] < lines of \"BIRTH CONCEPTION\"\n"
        "  kq-predict --lunar-month DATE [--json | --explain]\n"
        "  kq-predict --chart [--json]\n"
        "  kq-predict --evaluate [--from-birth] [--json] < lines of \"BIRTH CONCEPTION SEX\"\n"
        "\n"
        "Dates are written YYYY-MM-DD: conception years %1, birth years %2.\n"
        "The lunar month comes from the program's own table for conceptions in %3, where\n"
        "the birth year must lie in %4 as in the main window, and from the extended\n"
        "calendar (the official Chinese calendar) outside it; the answers say when it did.\n"
        "--due and --last-period estimate the date of conception and say that they did.\n"
        "Exit status: 0 predicted, 2 invalid date or input, 3 mother's age outside %5,\n"
        "64 wrong usage, 74 input or output failed; --evaluate: 0 when a record was evaluated,\n"
        "2 when none could be.")
        .arg(span(FirstConceptionYear, LastYear), span(FirstBirthYear, LastYear),
            span(FirstConceptionListYear, LastListYear), span(FirstBirthListYear, LastListYear),
            QString::fromStdString(ChartAgesText(Wording::UserLanguage)));
}

int usageError(const CliStreams &streams, const Usage &usage)
{
    streams.err << "kq-predict: " << UsageMessage(usage, Wording::UserLanguage) << "\n"
                << UsageHintText(Wording::UserLanguage) << "\n";
    return ExitUsage;
}

int usageError(const CliStreams &streams, UsageProblem problem)
{
    return usageError(streams, Usage {problem, {}, 0, 0});
}

void reportFailure(const CliStreams &streams, RunFailure failure)
{
    streams.err << "kq-predict: " << RunFailureMessage(failure, Wording::UserLanguage) << "\n";
}

int exitStatusOf(const Reply &reply)
{
    switch (reply.outcome) {
    case ReplyOutcome::Predicted:
        return ExitPredicted;
    case ReplyOutcome::AgeOutOfRange:
        return ExitAgeOutOfRange;
    case ReplyOutcome::InvalidDate:
    case ReplyOutcome::InvalidInput:
        break;
    }
    return ExitInvalidInput;
}

int finish(const CliStreams &streams, int status)
{
    streams.out.flush();
    if (!streams.out) {
        reportFailure(streams, RunFailure::OutputNotWritten);
        return ExitIoError;
    }
    return status;
}

void writeJson(const CliStreams &streams, const QJsonObject &object)
{
    const QByteArray json = CompactJson(object);
    streams.out.write(json.constData(), json.size());
    streams.out.put('\n');
}

// --evaluate: the report, and whether any record could be evaluated.
int evaluate(const CliStreams &streams, Predictor &predictor, bool fromBirth, bool json)
{
    Evaluation evaluation(predictor, fromBirth ? SecondDate::BabyBirth : SecondDate::Conception);
    if (!evaluation.run(streams.in)) {
        reportFailure(streams, RunFailure::InputNotRead);
        return ExitIoError;
    }
    if (json) {
        writeJson(streams, EvaluationToJson(evaluation.counts()));
    } else {
        streams.out << EvaluationText(evaluation.counts());
    }
    if (evaluation.counts().table.total() == 0) {
        reportFailure(streams, RunFailure::NothingEvaluated);
        return ExitInvalidInput;
    }
    return ExitPredicted;
}

// What a single prediction asks: the birth date, and the conception date as given or as
// estimated from a due date or the last period.
struct PredictionQuestion
{
    TypedDate birth;
    TypedDate conception;
    std::optional<EstimatedFrom> estimateFrom;
    TypedDate estimateGiven;
    int aroundDays = 0; // --around; 0 when not given
};

// --around: a whole number of days in the allowed range, else no value.
std::optional<int> aroundDays(const QString &text)
{
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok || days < FewestAroundDays || days > MostAroundDays)
        return std::nullopt;
    return days;
}

int answerPrediction(const CliStreams &streams, Predictor &predictor,
    const PredictionQuestion &question, bool json, bool explain)
{
    Reply reply;
    if (question.estimateFrom) {
        Rejection rejection;
        const auto estimate = EstimateConception(*question.estimateFrom, question.estimateGiven,
            FirstConceptionYear, LastYear, rejection);
        if (!estimate) {
            reply = ReplyOf(rejection);
        } else {
            reply = predictor.predict(question.birth, estimate->conception);
            reply.estimate = estimate;
        }
    } else {
        reply = predictor.predict(question.birth, question.conception);
    }

    // --around for a question whose dates pass: every day within the days given.
    const bool around = question.aroundDays > 0
        && (reply.outcome == ReplyOutcome::Predicted
            || reply.outcome == ReplyOutcome::AgeOutOfRange);
    const std::chrono::year_month_day conception = CalendarDateOf(reply.conception);
    std::vector<AnswerRun> runs;
    if (around)
        runs = AnswersAround(question.birth, conception, question.aroundDays, predictor.today());

    if (json) {
        QJsonObject object = ReplyToJson(reply);
        if (around)
            object.insert(QStringLiteral("around"), AnswerRunsToJson(runs));
        writeJson(streams, object);
    } else {
        if (reply.outcome != ReplyOutcome::Predicted) {
            streams.err << RejectionText(reply);
        } else {
            streams.out << PredictionText(reply);
            if (explain)
                streams.out << '\n' << ExplanationText(reply);
        }
        if (around) {
            if (reply.outcome == ReplyOutcome::Predicted)
                streams.out << '\n';
            streams.out << AnswerRunsText(runs, conception, question.aroundDays);
        }
        // The working ends with what the largest study found about the calendar.
        if (explain && reply.outcome == ReplyOutcome::Predicted)
            streams.out << '\n' << StudyParagraph();
    }
    return finish(streams, exitStatusOf(reply));
}

// Two texts of Qt's own help options that Qt's Spanish catalogue lacks. The program's catalogue
// has them under Qt's context; it is asked after Qt's, so where Qt's has them, Qt's are used.
[[maybe_unused]] constexpr const char *QtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

int RunKqPredict(const QStringList &arguments, const CliStreams &streams)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption birthOption(QStringLiteral("birth"),
        KqPredict::tr("The mother's date of birth (years %1; %2 with a conception in %3).")
            .arg(span(FirstBirthYear, LastYear), span(FirstBirthListYear, LastListYear),
                span(FirstConceptionListYear, LastListYear)),
        QStringLiteral("date"));
    const QCommandLineOption conceptionOption(QStringLiteral("conception"),
        KqPredict::tr("The date of conception (years %1).")
            .arg(span(FirstConceptionYear, LastYear)),
        QStringLiteral("date"));
    const QCommandLineOption dueOption(QStringLiteral("due"),
        KqPredict::tr("The expected date of delivery, instead of --conception: conception is "
                      "estimated at %1 days (%2 weeks) before it.")
            .arg(DaysFromConceptionToDueDate)
            .arg(DaysFromConceptionToDueDate / 7),
        QStringLiteral("date"));
    const QCommandLineOption lastPeriodOption(QStringLiteral("last-period"),
        KqPredict::tr("The first day of the last menstrual period, instead of --conception: "
                      "conception is estimated at %1 days after it.")
            .arg(DaysFromLastPeriodToConception),
        QStringLiteral("date"));
    const QCommandLineOption aroundOption(QStringLiteral("around"),
        KqPredict::tr("With a prediction: also the answers for every conception day within "
                      "this many days (%1) on either side, as runs of equal answers.")
            .arg(span(FewestAroundDays, MostAroundDays)),
        QStringLiteral("days"));
    const QCommandLineOption todayOption(QStringLiteral("today"),
        KqPredict::tr("Today's date for the congratulation line, instead of the system's local "
                      "date."),
        QStringLiteral("date"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        KqPredict::tr("Answer with one line of JSON; messages go into it."));
    const QCommandLineOption explainOption(QStringLiteral("explain"),
        KqPredict::tr("Show how the Chinese age was counted, the lunar month with the day it "
                      "began (and the calendar, where the extended one gave it), and the "
                      "chart's row for the age."));
    const QCommandLineOption batchOption(QStringLiteral("batch"),
        KqPredict::tr("Read lines \"BIRTH CONCEPTION\" from standard input and write one JSON "
                      "object per line; blank lines are skipped."));
    const QCommandLineOption lunarMonthOption(QStringLiteral("lunar-month"),
        KqPredict::tr("Print the lunar month (1 to 12) in force on the date (%1).")
            .arg(span(FirstConceptionYear, LastYear)),
        QStringLiteral("date"));
    const QCommandLineOption chartOption(QStringLiteral("chart"),
        KqPredict::tr("Print the gender chart: ages %1 by lunar months 1 to 12.")
            .arg(QString::fromStdString(ChartAgesText(Wording::UserLanguage))));
    const QCommandLineOption evaluateOption(QStringLiteral("evaluate"),
        KqPredict::tr("Read records \"BIRTH CONCEPTION SEX\" (SEX: F, M, girl or boy) from "
                      "standard input and say how often the prediction was right: the table, "
                      "the accuracy and Cohen's kappa."));
    const QCommandLineOption fromBirthOption(QStringLiteral("from-birth"),
        KqPredict::tr("With --evaluate: the second date is the baby's date of birth; "
                      "conception is taken as %1 days before.")
            .arg(DaysFromConceptionToDueDate));
    parser.addOptions({birthOption, conceptionOption, dueOption, lastPeriodOption, aroundOption,
        todayOption, jsonOption, explainOption, batchOption, lunarMonthOption, chartOption,
        evaluateOption, fromBirthOption});

    if (!parser.parse(arguments))
        return usageError(
            streams, Usage {UsageProblem::ParserError, parser.errorText().toStdString(), 0, 0});
    if (parser.isSet(helpOption) || parser.isSet(versionOption)
        || parser.isSet(QStringLiteral("help-all"))) {
        parser.process(arguments); // prints the help or the version and ends the process
        return ExitPredicted;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(streams,
            Usage {UsageProblem::UnexpectedArgument,
                parser.positionalArguments().first().toStdString(), 0, 0});
    for (const QCommandLineOption *option : {&birthOption, &conceptionOption, &dueOption,
             &lastPeriodOption, &aroundOption, &todayOption, &lunarMonthOption}) {
        if (parser.values(*option).size() > 1)
            return usageError(streams,
                Usage {UsageProblem::GivenTwice, option->names().first().toStdString(), 0, 0});
    }

    const int conceptionSources = int(parser.isSet(conceptionOption)) + int(parser.isSet(dueOption))
        + int(parser.isSet(lastPeriodOption));
    const bool predicting = parser.isSet(birthOption) || conceptionSources > 0;
    const bool batch = parser.isSet(batchOption);
    const bool lunarMonth = parser.isSet(lunarMonthOption);
    const bool chart = parser.isSet(chartOption);
    const bool evaluating = parser.isSet(evaluateOption);
    const int modes = int(predicting) + int(batch) + int(lunarMonth) + int(chart) + int(evaluating);
    if (evaluating && modes > 1)
        return usageError(streams, UsageProblem::EvaluateAlone);
    if (parser.isSet(fromBirthOption) && !evaluating)
        return usageError(streams, UsageProblem::FromBirthWithoutEvaluate);
    if (modes == 0)
        return usageError(streams, UsageProblem::NoQuestion);
    if (modes > 1)
        return usageError(streams, UsageProblem::TwoQuestions);
    if (conceptionSources > 1)
        return usageError(streams, UsageProblem::TwoConceptionSources);
    if (predicting && !(parser.isSet(birthOption) && conceptionSources == 1))
        return usageError(streams, UsageProblem::PredictionIncomplete);
    if (parser.isSet(aroundOption) && !predicting)
        return usageError(streams, UsageProblem::AroundWithoutPrediction);
    const std::optional<int> around
        = parser.isSet(aroundOption) ? aroundDays(parser.value(aroundOption)) : 0;
    if (!around)
        return usageError(
            streams, Usage {UsageProblem::AroundDays, {}, FewestAroundDays, MostAroundDays});
    const bool json = parser.isSet(jsonOption);
    const bool explain = parser.isSet(explainOption);
    if (explain && evaluating)
        return usageError(streams, UsageProblem::ExplainWithEvaluate);
    // The JSON answers have fixed keys, so the working is shown in text only.
    if (explain && (json || batch || chart))
        return usageError(streams, UsageProblem::ExplainWithoutText);
    if (parser.isSet(todayOption) && !(predicting || batch))
        return usageError(streams, UsageProblem::TodayWithoutPrediction);

    std::chrono::year_month_day today;
    if (parser.isSet(todayOption)) {
        const auto given = ParseCalendarDate(parser.value(todayOption).toStdString());
        if (!given)
            return usageError(streams, UsageProblem::TodayNotADate);
        today = *given;
    } else if (predicting || batch || evaluating) {
        today = streams.today();
    }

    if (chart) {
        if (json)
            writeJson(streams, ChartToJson());
        else
            streams.out << ChartText();
        return finish(streams, ExitPredicted);
    }

    Predictor predictor(today);
    if (evaluating)
        return finish(streams, evaluate(streams, predictor, parser.isSet(fromBirthOption), json));
    if (batch) {
        BatchRunner runner(predictor);
        if (!runner.run(streams.in, streams.out)) {
            reportFailure(streams, RunFailure::BatchNotComplete);
            return ExitIoError;
        }
        return finish(streams, ExitPredicted);
    }

    if (predicting) {
        // The dates are read here, once.
        const auto typed = [&parser](const QCommandLineOption &option) -> TypedDate {
            return ParseIsoDate(parser.value(option).toStdString());
        };
        PredictionQuestion question;
        question.birth = typed(birthOption);
        question.conception = typed(conceptionOption);
        if (parser.isSet(dueOption)) {
            question.estimateFrom = EstimatedFrom::DueDate;
            question.estimateGiven = typed(dueOption);
        } else if (parser.isSet(lastPeriodOption)) {
            question.estimateFrom = EstimatedFrom::LastPeriod;
            question.estimateGiven = typed(lastPeriodOption);
        }
        question.aroundDays = *around;
        return answerPrediction(streams, predictor, question, json, explain);
    }

    const Reply reply = predictor.lunarMonth(parser.value(lunarMonthOption).toStdString());
    if (json) {
        writeJson(streams, LunarMonthToJson(reply));
    } else if (reply.outcome != ReplyOutcome::Predicted) {
        streams.err << RejectionText(reply);
    } else {
        streams.out << reply.result.ConceptionLunarMonth << '\n';
        if (reply.result.Calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended)
            streams.out << Say(KqPredict::tr("Calendar:")) << ' ' << ExtendedCalendarText() << '\n';
        if (explain)
            streams.out << LunarMonthExplanationText(reply);
    }
    return finish(streams, exitStatusOf(reply));
}

} // namespace kq::cli
