// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reading kq-predict's command line: its options with their help, what was given, and the
// usage rules, each a row of one table, checked in order.
#include "Request.h"

#include "AnswerRuns.h"
#include "DueDate.h"
#include "IsoDate.h"
#include "Words.h"

#include <QCommandLineParser>

#include <array>
#include <string_view>

namespace kq::cli {

namespace {

// The options, in the order of the parser's list.
enum class Option : std::uint8_t {
    Birth,
    Conception,
    Due,
    LastPeriod,
    Around,
    Today,
    Json,
    Explain,
    Batch,
    LunarMonth,
    Chart,
    Evaluate,
    FromBirth,
};
constexpr std::size_t OptionCount = 13;

constexpr std::size_t indexOf(Option option)
{
    return static_cast<std::size_t>(option);
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
        .arg(Span(FirstConceptionYear, LastYear), Span(FirstBirthYear, LastYear),
            Span(FirstConceptionListYear, LastListYear), Span(FirstBirthListYear, LastListYear),
            ChartAges());
}

// Every option with its help, in the order of Option.
QList<QCommandLineOption> options()
{
    const auto withValue = [](const char *name, const QString &help, const char *value) {
        return QCommandLineOption(QLatin1String(name), help, QLatin1String(value));
    };
    const auto flag = [](const char *name, const QString &help) {
        return QCommandLineOption(QLatin1String(name), help);
    };
    return {
        withValue("birth",
            KqPredict::tr("The mother's date of birth (years %1; %2 with a conception in %3).")
                .arg(Span(FirstBirthYear, LastYear), Span(FirstBirthListYear, LastListYear),
                    Span(FirstConceptionListYear, LastListYear)),
            "date"),
        withValue("conception",
            KqPredict::tr("The date of conception (years %1).")
                .arg(Span(FirstConceptionYear, LastYear)),
            "date"),
        withValue("due",
            KqPredict::tr("The expected date of delivery, instead of --conception: conception is "
                          "estimated at %1 days (%2 weeks) before it.")
                .arg(DaysFromConceptionToDueDate)
                .arg(DaysFromConceptionToDueDate / 7),
            "date"),
        withValue("last-period",
            KqPredict::tr("The first day of the last menstrual period, instead of --conception: "
                          "conception is estimated at %1 days after it.")
                .arg(DaysFromLastPeriodToConception),
            "date"),
        withValue("around",
            KqPredict::tr("With a prediction: also the answers for every conception day within "
                          "this many days (%1) on either side, as runs of equal answers.")
                .arg(Span(FewestAroundDays, MostAroundDays)),
            "days"),
        withValue("today",
            KqPredict::tr("Today's date for the congratulation line, instead of the system's "
                          "local date."),
            "date"),
        flag("json", KqPredict::tr("Answer with one line of JSON; messages go into it.")),
        flag("explain",
            KqPredict::tr("Show how the Chinese age was counted, the lunar month with the day it "
                          "began (and the calendar, where the extended one gave it), and the "
                          "chart's row for the age.")),
        flag("batch",
            KqPredict::tr("Read lines \"BIRTH CONCEPTION\" from standard input and write one "
                          "JSON object per line; blank lines are skipped.")),
        withValue("lunar-month",
            KqPredict::tr("Print the lunar month (1 to 12) in force on the date (%1).")
                .arg(Span(FirstConceptionYear, LastYear)),
            "date"),
        flag("chart",
            KqPredict::tr("Print the gender chart: ages %1 by lunar months 1 to 12.")
                .arg(ChartAges())),
        flag("evaluate",
            KqPredict::tr("Read records \"BIRTH CONCEPTION SEX\" (SEX: F, M, girl or boy) from "
                          "standard input and say how often the prediction was right: the "
                          "table, the accuracy and Cohen's kappa.")),
        flag("from-birth",
            KqPredict::tr("With --evaluate: the second date is the baby's date of birth; "
                          "conception is taken as %1 days before.")
                .arg(DaysFromConceptionToDueDate)),
    };
}

// Two texts of Qt's own help options that Qt's Spanish catalogue lacks. The program's catalogue
// has them under Qt's context; it is asked after Qt's, so where Qt's has them, Qt's are used.
[[maybe_unused]] constexpr const char *QtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// A date written YYYY-MM-DD in an argument (the day need not exist).
TypedDate typedDate(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return ParseIsoDate(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// What a command line gives, read from the parser once.
struct Given
{
    std::array<bool, OptionCount> set {};
    std::array<QString, OptionCount> values;
    QString unexpected; // the first argument that is not an option
    QString twice; // the name of the first option with a value that is given more than once
    std::optional<int> aroundDays; // --around: a whole number of days in the allowed range
    std::optional<std::chrono::year_month_day> today; // --today: a date that exists

    bool has(Option option) const { return set[indexOf(option)]; }
    const QString &value(Option option) const { return values[indexOf(option)]; }
    int conceptionSources() const
    {
        return int(has(Option::Conception)) + int(has(Option::Due)) + int(has(Option::LastPeriod));
    }
    bool predicting() const { return has(Option::Birth) || conceptionSources() > 0; }
    int modes() const
    {
        return int(predicting()) + int(has(Option::Batch)) + int(has(Option::LunarMonth))
            + int(has(Option::Chart)) + int(has(Option::Evaluate));
    }
};

Given givenBy(const QCommandLineParser &parser, const QList<QCommandLineOption> &options)
{
    Given given;
    if (!parser.positionalArguments().isEmpty())
        given.unexpected = parser.positionalArguments().first();
    for (std::size_t i = 0; i < OptionCount; ++i) {
        const QCommandLineOption &option = options.at(static_cast<qsizetype>(i));
        given.set[i] = parser.isSet(option);
        given.values[i] = parser.value(option);
        if (given.twice.isEmpty() && parser.values(option).size() > 1)
            given.twice = option.names().first();
    }
    bool whole = false;
    const int days = given.value(Option::Around).toInt(&whole);
    if (whole && days >= FewestAroundDays && days <= MostAroundDays)
        given.aroundDays = days;
    const QByteArray today = given.value(Option::Today).toUtf8();
    given.today = ParseCalendarDate(
        std::string_view(today.constData(), static_cast<std::size_t>(today.size())));
    return given;
}

// The usage rules, in the order they are checked: the first that a command line breaks is the
// one reported.
struct UsageRule
{
    UsageProblem problem;
    bool (*broken)(const Given &);
};

constexpr UsageRule UsageRules[] = {
    {UsageProblem::UnexpectedArgument, [](const Given &g) { return !g.unexpected.isEmpty(); }},
    {UsageProblem::GivenTwice, [](const Given &g) { return !g.twice.isEmpty(); }},
    {UsageProblem::EvaluateAlone,
        [](const Given &g) { return g.has(Option::Evaluate) && g.modes() > 1; }},
    {UsageProblem::FromBirthWithoutEvaluate,
        [](const Given &g) { return g.has(Option::FromBirth) && !g.has(Option::Evaluate); }},
    {UsageProblem::NoQuestion, [](const Given &g) { return g.modes() == 0; }},
    {UsageProblem::TwoQuestions, [](const Given &g) { return g.modes() > 1; }},
    {UsageProblem::TwoConceptionSources, [](const Given &g) { return g.conceptionSources() > 1; }},
    {UsageProblem::PredictionIncomplete,
        [](const Given &g) {
            return g.predicting() && !(g.has(Option::Birth) && g.conceptionSources() == 1);
        }},
    {UsageProblem::AroundWithoutPrediction,
        [](const Given &g) { return g.has(Option::Around) && !g.predicting(); }},
    {UsageProblem::AroundDays,
        [](const Given &g) { return g.has(Option::Around) && !g.aroundDays; }},
    {UsageProblem::ExplainWithEvaluate,
        [](const Given &g) { return g.has(Option::Explain) && g.has(Option::Evaluate); }},
    // The JSON answers have fixed keys, so the working is shown in text only.
    {UsageProblem::ExplainWithoutText,
        [](const Given &g) {
            return g.has(Option::Explain)
                && (g.has(Option::Json) || g.has(Option::Batch) || g.has(Option::Chart));
        }},
    {UsageProblem::TodayWithoutPrediction,
        [](const Given &g) {
            return g.has(Option::Today) && !(g.predicting() || g.has(Option::Batch));
        }},
    {UsageProblem::TodayNotADate, [](const Given &g) { return g.has(Option::Today) && !g.today; }},
};

Usage usageOf(UsageProblem problem, const Given &given)
{
    Usage usage {problem, {}, 0, 0};
    if (problem == UsageProblem::UnexpectedArgument)
        usage.text = given.unexpected;
    if (problem == UsageProblem::GivenTwice)
        usage.text = given.twice;
    if (problem == UsageProblem::AroundDays) {
        usage.first = FewestAroundDays;
        usage.last = MostAroundDays;
    }
    return usage;
}

// The request of a command line that breaks no rule.
Request requestOf(const Given &given)
{
    const bool json = given.has(Option::Json);
    const bool explain = given.has(Option::Explain);
    if (given.has(Option::Chart))
        return ChartRequest {json};
    if (given.has(Option::Evaluate))
        return EvaluateRequest {
            given.has(Option::FromBirth) ? SecondDate::BabyBirth : SecondDate::Conception, json};
    if (given.has(Option::Batch))
        return BatchRequest {given.today};
    if (given.has(Option::LunarMonth))
        return LunarMonthRequest {typedDate(given.value(Option::LunarMonth)), json, explain};
    PredictionRequest request;
    request.birth = typedDate(given.value(Option::Birth));
    Option conception = Option::Conception;
    if (given.has(Option::Due)) {
        conception = Option::Due;
        request.estimatedFrom = EstimatedFrom::DueDate;
    } else if (given.has(Option::LastPeriod)) {
        conception = Option::LastPeriod;
        request.estimatedFrom = EstimatedFrom::LastPeriod;
    }
    request.conception = typedDate(given.value(conception));
    request.aroundDays = given.aroundDays.value_or(0);
    request.today = given.today;
    request.json = json;
    request.explain = explain;
    return request;
}

} // namespace

std::variant<Request, Usage> ReadRequest(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QList<QCommandLineOption> all = options();
    parser.addOptions(all);

    if (!parser.parse(arguments))
        return Usage {UsageProblem::ParserError, parser.errorText(), 0, 0};
    if (parser.isSet(helpOption) || parser.isSet(versionOption)
        || parser.isSet(QStringLiteral("help-all"))) {
        parser.process(arguments); // prints the help or the version and ends the process
        return ChartRequest {};
    }
    const Given given = givenBy(parser, all);
    for (const UsageRule &rule : UsageRules)
        if (rule.broken(given))
            return usageOf(rule.problem, given);
    return requestOf(given);
}

} // namespace kq::cli
