// The command line of kq-predict: options, their combinations, and the dispatch to a single
// prediction, --batch, --lunar-month, --chart or --evaluate.
#include "KqPredict.h"

#include "BatchRunner.h"
#include "EvaluationReport.h"
#include "IsoDate.h"
#include "Predictor.h"
#include "ReplyJson.h"
#include "TextOutput.h"

#include <QCommandLineParser>

#include <istream>
#include <optional>
#include <ostream>

namespace kq::cli {

namespace {

const char *const Description
    = R"(Predicts a baby's gender by the Chinese pregnancy calendar, for fun.

  kq-predict --birth DATE --conception DATE [--today DATE] [--json | --explain]
  kq-predict --batch [--today DATE] < lines of "BIRTH CONCEPTION"
  kq-predict --lunar-month DATE [--json | --explain]
  kq-predict --chart [--json]
  kq-predict --evaluate [--from-birth] [--json] < lines of "BIRTH CONCEPTION SEX"

Dates are written YYYY-MM-DD: birth years 1915 to 2012, conception years 1960 to 2012.
Exit status: 0 predicted, 2 invalid date or input, 3 mother's age outside 18 to 45,
64 wrong usage, 74 input or output failed; --evaluate: 0 when a record was evaluated,
2 when none could be.)";

int usageError(const CliStreams &streams, const QString &message)
{
    streams.err << "kq-predict: " << message.toStdString() << "\n"
                << "Try 'kq-predict --help' for more information.\n";
    return ExitUsage;
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
        streams.err << "kq-predict: could not write the output\n";
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
        streams.err << "kq-predict: could not read all input\n";
        return ExitIoError;
    }
    if (json) {
        writeJson(streams, EvaluationToJson(evaluation.counts()));
    } else {
        streams.out << EvaluationText(evaluation.counts());
    }
    if (evaluation.counts().table.total() == 0) {
        streams.err << "kq-predict: no record could be evaluated\n";
        return ExitInvalidInput;
    }
    return ExitPredicted;
}

} // namespace

int RunKqPredict(const QStringList &arguments, const CliStreams &streams)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption birthOption(QStringLiteral("birth"),
        QStringLiteral("The mother's date of birth (years 1915 to 2012)."), QStringLiteral("date"));
    const QCommandLineOption conceptionOption(QStringLiteral("conception"),
        QStringLiteral("The date of conception (years 1960 to 2012)."), QStringLiteral("date"));
    const QCommandLineOption todayOption(QStringLiteral("today"),
        QStringLiteral("Today's date for the congratulation line, instead of the system's local "
                       "date."),
        QStringLiteral("date"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        QStringLiteral("Answer with one line of JSON; messages go into it."));
    const QCommandLineOption explainOption(QStringLiteral("explain"),
        QStringLiteral("Show how the Chinese age was counted, the lunar month with the day it "
                       "began, and the chart's row for the age."));
    const QCommandLineOption batchOption(QStringLiteral("batch"),
        QStringLiteral("Read lines \"BIRTH CONCEPTION\" from standard input and write one JSON "
                       "object per line; blank lines are skipped."));
    const QCommandLineOption lunarMonthOption(QStringLiteral("lunar-month"),
        QStringLiteral("Print the lunar month (1 to 12) in force on the date (1960 to 2012)."),
        QStringLiteral("date"));
    const QCommandLineOption chartOption(QStringLiteral("chart"),
        QStringLiteral("Print the gender chart: ages 18 to 45 by lunar months 1 to 12."));
    const QCommandLineOption evaluateOption(QStringLiteral("evaluate"),
        QStringLiteral("Read records \"BIRTH CONCEPTION SEX\" (SEX: F, M, girl or boy) from "
                       "standard input and say how often the prediction was right: the table, "
                       "the accuracy and Cohen's kappa."));
    const QCommandLineOption fromBirthOption(QStringLiteral("from-birth"),
        QStringLiteral("With --evaluate: the second date is the baby's date of birth; "
                       "conception is taken as 266 days before."));
    parser.addOptions({birthOption, conceptionOption, todayOption, jsonOption, explainOption,
        batchOption, lunarMonthOption, chartOption, evaluateOption, fromBirthOption});

    if (!parser.parse(arguments))
        return usageError(streams, parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(versionOption)
        || parser.isSet(QStringLiteral("help-all"))) {
        parser.process(arguments); // prints the help or the version and ends the process
        return ExitPredicted;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(streams,
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    for (const QCommandLineOption *option :
        {&birthOption, &conceptionOption, &todayOption, &lunarMonthOption}) {
        if (parser.values(*option).size() > 1)
            return usageError(streams,
                QStringLiteral("--%1 is given more than once").arg(option->names().first()));
    }

    const bool predicting = parser.isSet(birthOption) || parser.isSet(conceptionOption);
    const bool batch = parser.isSet(batchOption);
    const bool lunarMonth = parser.isSet(lunarMonthOption);
    const bool chart = parser.isSet(chartOption);
    const bool evaluating = parser.isSet(evaluateOption);
    const int modes = int(predicting) + int(batch) + int(lunarMonth) + int(chart) + int(evaluating);
    if (evaluating && modes > 1)
        return usageError(streams,
            QStringLiteral("--evaluate goes without a prediction, --batch, --lunar-month and "
                           "--chart"));
    if (parser.isSet(fromBirthOption) && !evaluating)
        return usageError(streams, QStringLiteral("--from-birth goes with --evaluate only"));
    if (modes == 0)
        return usageError(streams,
            QStringLiteral("give --birth and --conception, or --batch, --lunar-month or --chart"));
    if (modes > 1)
        return usageError(streams,
            QStringLiteral("choose one of a prediction (--birth, --conception), --batch, "
                           "--lunar-month and --chart"));
    if (predicting && !(parser.isSet(birthOption) && parser.isSet(conceptionOption)))
        return usageError(
            streams, QStringLiteral("a prediction needs both --birth and --conception"));
    const bool json = parser.isSet(jsonOption);
    const bool explain = parser.isSet(explainOption);
    if (explain && evaluating)
        return usageError(streams, QStringLiteral("--explain does not go with --evaluate"));
    // The JSON answers have fixed keys, so the working is shown in text only.
    if (explain && (json || batch || chart))
        return usageError(streams, QStringLiteral("--explain goes with a text answer only"));
    if (parser.isSet(todayOption) && !(predicting || batch))
        return usageError(
            streams, QStringLiteral("--today goes with a prediction or --batch only"));

    std::chrono::year_month_day today;
    if (parser.isSet(todayOption)) {
        const auto given = ParseCalendarDate(parser.value(todayOption).toStdString());
        if (!given)
            return usageError(
                streams, QStringLiteral("--today needs a date that exists, written YYYY-MM-DD"));
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
            streams.err << "kq-predict: could not read all input or write all answers\n";
            return ExitIoError;
        }
        return finish(streams, ExitPredicted);
    }

    const Reply reply = lunarMonth
        ? predictor.lunarMonth(parser.value(lunarMonthOption).toStdString())
        : predictor.predict(
            parser.value(birthOption).toStdString(), parser.value(conceptionOption).toStdString());
    if (json) {
        writeJson(streams, lunarMonth ? LunarMonthToJson(reply) : ReplyToJson(reply));
    } else if (reply.outcome != ReplyOutcome::Predicted) {
        streams.err << RejectionText(reply);
    } else if (lunarMonth) {
        streams.out << reply.result.ConceptionLunarMonth << '\n';
        if (explain)
            streams.out << LunarMonthExplanationText(reply);
    } else {
        streams.out << PredictionText(reply);
        if (explain)
            streams.out << '\n' << ExplanationText(reply) << '\n' << StudyParagraph();
    }
    return finish(streams, exitStatusOf(reply));
}

} // namespace kq::cli
