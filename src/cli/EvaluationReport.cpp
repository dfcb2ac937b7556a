// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --evaluate report and the study paragraph of --explain.
#include "EvaluationReport.h"

#include "Messages.h"
#include "TextColumns.h"

#include <QJsonArray>

#include <cstdio>
#include <sstream>

namespace kq::cli {

namespace {

struct SkipLabel
{
    SkipReason reason;
    const char *key; // the JSON key
};

constexpr SkipLabel SkipLabels[] = {
    {SkipReason::BadDate, "badDate"},
    {SkipReason::AgeOutOfRange, "ageOutOfRange"},
    {SkipReason::UnknownSex, "unknownSex"},
    {SkipReason::NotThreeFields, "notThreeFields"},
};
static_assert(std::size(SkipLabels) == SkipReasonCount);

// The report's label of a reason.
std::string skipText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::BadDate:
        return "bad date";
    case SkipReason::AgeOutOfRange:
        return "age outside " + ChartAgesText();
    case SkipReason::UnknownSex:
        return "unknown sex";
    case SkipReason::NotThreeFields:
        break;
    }
    return "not three fields";
}

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
        text << "  " << PadRight(skipText(label.reason) + ":", 24)
             << counts.skippedCount(label.reason) << '\n';

    std::size_t width = 10;
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        for (const Gender baby : {Gender::Girl, Gender::Boy})
            width = std::max(width, std::to_string(table.count(predicted, baby)).size() + 2);
    text << '\n'
         << PadRight("", 16) << PadLeft("Girl born", width) << PadLeft("Boy born", width) << '\n';
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        text << PadRight(predicted == Gender::Girl ? "Predicted girl" : "Predicted boy", 16)
             << PadLeft(std::to_string(table.count(predicted, Gender::Girl)), width)
             << PadLeft(std::to_string(table.count(predicted, Gender::Boy)), width) << '\n';
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
    if (!kappa.intervalHolds) {
        text << "Cohen's kappa: " << fixed(kappa.kappa, 4) << '\n'
             << "Too few records for a 95% confidence interval (a cell of the table expects fewer\n"
                "than "
             << FewestExpectedRecordsInACell
             << " records, Cochran's rule): no conclusion is drawn from these records.\n";
        return text.str();
    }
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
    const auto row = [&table](Gender predicted) {
        return QJsonObject {{QStringLiteral("girl"), count(table.count(predicted, Gender::Girl))},
            {QStringLiteral("boy"), count(table.count(predicted, Gender::Boy))}};
    };

    QJsonObject object {
        {QStringLiteral("evaluated"), count(agreement.records)},
        {QStringLiteral("skipped"), skipped},
        {QStringLiteral("table"),
            QJsonObject {{QStringLiteral("predictedGirl"), row(Gender::Girl)},
                {QStringLiteral("predictedBoy"), row(Gender::Boy)}}},
        {QStringLiteral("accuracy"),
            agreement.accuracy ? QJsonValue(*agreement.accuracy) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("kappa"), QJsonValue(QJsonValue::Null)},
    };
    if (agreement.kappa && !agreement.kappa->intervalHolds) {
        // Too few records for the interval (Cochran's rule): null, with the reason.
        const QJsonValue none(QJsonValue::Null);
        object.insert(QStringLiteral("kappa"),
            QJsonObject {{QStringLiteral("value"), agreement.kappa->kappa},
                {QStringLiteral("standardError"), none}, {QStringLiteral("lower95"), none},
                {QStringLiteral("upper95"), none},
                {QStringLiteral("noInterval"), QStringLiteral("tooFewRecords")}});
    } else if (agreement.kappa) {
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
