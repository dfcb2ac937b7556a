// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's answers: one handler per mode of the request the command line gives.
#include "KqPredict.h"

#include "AnswerRuns.h"
#include "BatchRunner.h"
#include "EvaluationReport.h"
#include "ReplyJson.h"
#include "Request.h"
#include "TextOutput.h"
#include "Words.h"

#include <istream>
#include <ostream>
#include <vector>

namespace kq::cli {

namespace {

int usageError(const CliStreams &streams, const Usage &usage)
{
    streams.err << "kq-predict: " << UsageMessage(usage) << '\n' << UsageHintText() << '\n';
    return ExitUsage;
}

void reportFailure(const CliStreams &streams, RunFailure failure)
{
    streams.err << "kq-predict: " << RunFailureMessage(failure) << '\n';
}

int exitStatusOf(ReplyOutcome outcome)
{
    switch (outcome) {
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

// The status of a run that wrote its answer, unless the answer could not be written.
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

std::chrono::year_month_day todayOf(
    const CliStreams &streams, const std::optional<std::chrono::year_month_day> &given)
{
    return given ? *given : streams.today();
}

// The handlers of the modes, each with its request.
struct Answering
{
    const CliStreams &streams;

    int operator()(const PredictionRequest &request) const
    {
        Predictor predictor(todayOf(streams, request.today));
        Reply reply;
        if (request.estimatedFrom) {
            Rejection rejection;
            const auto estimate = EstimateConception(*request.estimatedFrom, request.conception,
                FirstConceptionYear, LastYear, rejection);
            if (estimate) {
                reply = predictor.predict(request.birth, SelectionOf(estimate->conception));
                reply.estimate = estimate;
            } else {
                reply.rejection = rejection;
            }
        } else {
            reply = predictor.predict(request.birth, request.conception);
        }
        const ReplyOutcome outcome = OutcomeOf(reply);

        // --around for a question whose dates pass: every day within the days given.
        const bool around = request.aroundDays > 0
            && (outcome == ReplyOutcome::Predicted || outcome == ReplyOutcome::AgeOutOfRange);
        const std::chrono::year_month_day conception = CalendarDateOf(reply.conception);
        std::vector<AnswerRun> runs;
        if (around)
            runs = AnswersAround(request.birth, conception, request.aroundDays, predictor.today());

        if (request.json) {
            QJsonObject object = ReplyToJson(reply);
            if (around)
                object.insert(QStringLiteral("around"), AnswerRunsToJson(runs));
            writeJson(streams, object);
            return finish(streams, exitStatusOf(outcome));
        }
        if (outcome != ReplyOutcome::Predicted) {
            streams.err << RejectionText(reply);
        } else {
            streams.out << PredictionText(reply);
            if (request.explain)
                streams.out << '\n' << ExplanationText(reply);
        }
        if (around) {
            if (outcome == ReplyOutcome::Predicted)
                streams.out << '\n';
            streams.out << AnswerRunsText(runs, conception, request.aroundDays);
        }
        // The working ends with what the largest study found about the calendar.
        if (request.explain && outcome == ReplyOutcome::Predicted)
            streams.out << '\n' << StudyParagraph();
        return finish(streams, exitStatusOf(outcome));
    }

    int operator()(const BatchRequest &request) const
    {
        Predictor predictor(todayOf(streams, request.today));
        BatchRunner runner(predictor);
        if (!runner.run(streams.in, streams.out)) {
            reportFailure(streams, RunFailure::BatchNotComplete);
            return ExitIoError;
        }
        return finish(streams, ExitPredicted);
    }

    int operator()(const LunarMonthRequest &request) const
    {
        const LunarMonthReply reply = Predictor::lunarMonth(request.date);
        if (request.json) {
            writeJson(streams, LunarMonthToJson(reply));
        } else if (reply.rejection) {
            streams.err << RejectionText(reply);
        } else if (!request.explain) {
            // What scripts read: the same bytes in every language.
            streams.out << LunarMonthText(reply, Wording::English);
        } else {
            streams.out << LunarMonthText(reply, Wording::UserLanguage)
                        << LunarMonthExplanationText(reply);
        }
        return finish(streams, exitStatusOf(OutcomeOf(reply)));
    }

    int operator()(const ChartRequest &request) const
    {
        if (request.json)
            writeJson(streams, ChartToJson());
        else
            streams.out << ChartText();
        return finish(streams, ExitPredicted);
    }

    int operator()(const EvaluateRequest &request) const
    {
        Predictor predictor(streams.today());
        Evaluation evaluation(predictor, request.secondDate);
        if (!evaluation.run(streams.in)) {
            reportFailure(streams, RunFailure::InputNotRead);
            return finish(streams, ExitIoError);
        }
        if (request.json)
            writeJson(streams, EvaluationToJson(evaluation.counts()));
        else
            streams.out << EvaluationText(evaluation.counts());
        if (evaluation.counts().table.total() == 0) {
            reportFailure(streams, RunFailure::NothingEvaluated);
            return finish(streams, ExitInvalidInput);
        }
        return finish(streams, ExitPredicted);
    }
};

} // namespace

int RunKqPredict(const QStringList &arguments, const CliStreams &streams)
{
    const std::variant<Request, Usage> read = ReadRequest(arguments);
    if (const auto *usage = std::get_if<Usage>(&read))
        return usageError(streams, *usage);
    return std::visit(Answering {streams}, std::get<Request>(read));
}

} // namespace kq::cli
