// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --evaluate report and the study paragraph of --explain.
#include "EvaluationReport.h"

#include <QJsonArray>

#include <cstdio>
#include <sstream>

namespace kq::cli {

namespace {

struct SkipLabel
{
    SkipReason reason;
    const char *text; // the report's label
    const char *key; // the JSON key
};

constexpr SkipLabel SkipLabels[] = {
    {SkipReason::BadDate, "bad date", "badDate"},
    {SkipReason::AgeOutOfRange, "age outside 18 to 45", "ageOutOfRange"},
    {SkipReason::UnknownSex, "unknown sex", "unknownSex"},
    {SkipReason::NotThreeFields, "not three fields", "notThreeFields"},
};
static_assert(std::size(SkipLabels) == SkipReasonCount);

std::string fixed(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    // A value that rounds to zero is shown without a sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string padLeft(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string &text, std::size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

QJsonValue count(std::uint64_t value)
{
    return QJsonValue(static_cast<qint64>(value));
}

} // namespace

std::string EvaluationText(const EvaluationCounts &counts)
{
    const AgreementTable &table = counts.table;
    const Agreement agreement = MeasureAgreement(table);
    std::ostringstream text;
    text << "Records evaluated: " << agreement.records << '\n'
         << "Records skipped:   " << counts.skippedTotal() << '\n';
    for (const SkipLabel &label : SkipLabels)
        text << "  " << padRight(std::string(label.text) + ":", 24)
             << counts.skippedCount(label.reason) << '\n';

    std::size_t width = 10;
    for (const Sex predicted : {Sex::Girl, Sex::Boy})
        for (const Sex baby : {Sex::Girl, Sex::Boy})
            width = std::max(width, std::to_string(table.count(predicted, baby)).size() + 2);
    text << '\n'
         << padRight("", 16) << padLeft("Girl born", width) << padLeft("Boy born", width) << '\n';
    for (const Sex predicted : {Sex::Girl, Sex::Boy})
        text << padRight(predicted == Sex::Girl ? "Predicted girl" : "Predicted boy", 16)
             << padLeft(std::to_string(table.count(predicted, Sex::Girl)), width)
             << padLeft(std::to_string(table.count(predicted, Sex::Boy)), width) << '\n';
    text << '\n';

    if (!agreement.accuracy) {
        text << "Accuracy:      not defined, no record was evaluated\n"
             << "Cohen's kappa: not defined, no record was evaluated\n";
        return text.str();
    }
    text << "Accuracy:      " << fixed(*agreement.accuracy * 100, 2) << "% (" << table.agreeing()
         << " of " << agreement.records << " predictions right)\n";
    if (!agreement.kappa) {
        text << "Cohen's kappa: not defined, every prediction and every baby is of the same sex\n";
        return text.str();
    }
    const KappaEstimate &kappa = *agreement.kappa;
    text << "Cohen's kappa: " << fixed(kappa.kappa, 4) << ", 95% confidence interval "
         << fixed(kappa.lower, 4) << " to " << fixed(kappa.upper, 4) << " (standard error "
         << fixed(kappa.standardError, 4) << ")\n";
    if (kappa.lower <= 0 && kappa.upper >= 0)
        text << "The interval contains 0: on these records the calendar did no better than "
                "chance.\n";
    else if (kappa.lower > 0)
        text << "The interval lies above 0: on these records the calendar agreed with the "
                "babies' sex more often than chance would.\n";
    else
        text << "The interval lies below 0: on these records the calendar agreed with the "
                "babies' sex less often than chance would.\n";
    return text.str();
}

QJsonObject EvaluationToJson(const EvaluationCounts &counts)
{
    const AgreementTable &table = counts.table;
    const Agreement agreement = MeasureAgreement(table);

    QJsonObject skipped {{QStringLiteral("total"), count(counts.skippedTotal())}};
    for (const SkipLabel &label : SkipLabels)
        skipped.insert(QLatin1String(label.key), count(counts.skippedCount(label.reason)));
    const auto row = [&table](Sex predicted) {
        return QJsonObject {{QStringLiteral("girl"), count(table.count(predicted, Sex::Girl))},
            {QStringLiteral("boy"), count(table.count(predicted, Sex::Boy))}};
    };

    QJsonObject object {
        {QStringLiteral("evaluated"), count(agreement.records)},
        {QStringLiteral("skipped"), skipped},
        {QStringLiteral("table"),
            QJsonObject {{QStringLiteral("predictedGirl"), row(Sex::Girl)},
                {QStringLiteral("predictedBoy"), row(Sex::Boy)}}},
        {QStringLiteral("accuracy"),
            agreement.accuracy ? QJsonValue(*agreement.accuracy) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("kappa"), QJsonValue(QJsonValue::Null)},
    };
    if (agreement.kappa) {
        const KappaEstimate &kappa = *agreement.kappa;
        object.insert(QStringLiteral("kappa"),
            QJsonObject {{QStringLiteral("value"), kappa.kappa},
                {QStringLiteral("standardError"), kappa.standardError},
                {QStringLiteral("lower95"), kappa.lower},
                {QStringLiteral("upper95"), kappa.upper}});
    }
    return object;
}

std::string StudyParagraph()
{
    return "How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its\n"
           "predictions agreed with the babies' sex no more than chance would: Cohen's kappa\n"
           "0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin\n"
           "(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it\n"
           "on your own records with kq-predict --evaluate.\n";
}

} // namespace kq::cli
