// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --evaluate report and the study paragraph of --explain.
#include "EvaluationReport.h"

#include "Messages.h"
#include "TextColumns.h"
#include "Words.h"

#include <QJsonArray>

#include <algorithm>
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
        return Say(KqPredict::tr("bad date:"));
    case SkipReason::AgeOutOfRange:
        return Say(KqPredict::tr("age outside %1:")
                       .arg(QString::fromStdString(ChartAgesText(Wording::UserLanguage))));
    case SkipReason::UnknownSex:
        return Say(KqPredict::tr("unknown sex:"));
    case SkipReason::NotThreeFields:
        break;
    }
    return Say(KqPredict::tr("not three fields:"));
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
    // The values of each block of labelled lines in one column, one space after the widest label.
    const std::string evaluated = Say(KqPredict::tr("Records evaluated:"));
    const std::string skipped = Say(KqPredict::tr("Records skipped:"));
    const std::size_t recordsWidth = std::max(DisplayWidth(evaluated), DisplayWidth(skipped)) + 1;
    text << PadRight(evaluated, recordsWidth) << agreement.records << '\n'
         << PadRight(skipped, recordsWidth) << counts.skippedTotal() << '\n';
    std::size_t skipWidth = 24;
    for (const SkipLabel &label : SkipLabels)
        skipWidth = std::max(skipWidth, DisplayWidth(skipText(label.reason)) + 1);
    for (const SkipLabel &label : SkipLabels)
        text << "  " << PadRight(skipText(label.reason), skipWidth)
             << counts.skippedCount(label.reason) << '\n';

    const std::string girlBorn = Say(KqPredict::tr("Girl born"));
    const std::string boyBorn = Say(KqPredict::tr("Boy born"));
    const std::string predictedGirl = Say(KqPredict::tr("Predicted girl"));
    const std::string predictedBoy = Say(KqPredict::tr("Predicted boy"));
    std::size_t width
        = std::max<std::size_t>({10, DisplayWidth(girlBorn) + 1, DisplayWidth(boyBorn) + 1});
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        for (const Gender baby : {Gender::Girl, Gender::Boy})
            width = std::max(width, std::to_string(table.count(predicted, baby)).size() + 2);
    const std::size_t rowWidth = std::max<std::size_t>(
        {16, DisplayWidth(predictedGirl) + 2, DisplayWidth(predictedBoy) + 2});
    text << '\n'
         << PadRight("", rowWidth) << PadLeft(girlBorn, width) << PadLeft(boyBorn, width) << '\n';
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        text << PadRight(predicted == Gender::Girl ? predictedGirl : predictedBoy, rowWidth)
             << PadLeft(std::to_string(table.count(predicted, Gender::Girl)), width)
             << PadLeft(std::to_string(table.count(predicted, Gender::Boy)), width) << '\n';
    text << '\n';

    const std::string accuracyLabel = Say(KqPredict::tr("Accuracy:"));
    const std::string kappaLabel = Say(KqPredict::tr("Cohen's kappa:"));
    const std::size_t resultWidth
        = std::max(DisplayWidth(accuracyLabel), DisplayWidth(kappaLabel)) + 1;
    const std::string accuracyText = PadRight(accuracyLabel, resultWidth);
    const std::string kappaText = PadRight(kappaLabel, resultWidth);

    if (!agreement.accuracy) {
        const std::string none = Say(KqPredict::tr("not defined, no record was evaluated"));
        text << accuracyText << none << '\n' << kappaText << none << '\n';
        return text.str();
    }
    text << accuracyText
         << Say(KqPredict::tr("%1% (%2 of %3 predictions right)")
                    .arg(QString::fromStdString(fixed(*agreement.accuracy * 100, 2)))
                    .arg(table.agreeing())
                    .arg(agreement.records))
         << '\n';
    if (!agreement.kappa) {
        text << kappaText
             << Say(KqPredict::tr(
                    "not defined, every prediction and every baby is of the same sex"))
             << '\n';
        return text.str();
    }
    const KappaEstimate &kappa = *agreement.kappa;
    if (!kappa.intervalHolds) {
        text << kappaText << fixed(kappa.kappa, 4) << '\n'
             << Say(KqPredict::tr(
                    "Too few records for a 95% confidence interval (a cell of the table "
                    "expects fewer\n"
                    "than %1 records, Cochran's rule): no conclusion is drawn from "
                    "these records.\n")
                        .arg(FewestExpectedRecordsInACell));
        return text.str();
    }
    text << kappaText
         << Say(KqPredict::tr("%1, 95% confidence interval %2 to %3 (standard error %4)")
                    .arg(QString::fromStdString(fixed(kappa.kappa, 4)),
                        QString::fromStdString(fixed(kappa.lower, 4)),
                        QString::fromStdString(fixed(kappa.upper, 4)),
                        QString::fromStdString(fixed(kappa.standardError, 4))))
         << '\n';
    if (kappa.lower <= 0 && kappa.upper >= 0)
        text << Say(KqPredict::tr("The interval contains 0: on these records the calendar did no "
                                  "better than chance."));
    else if (kappa.lower > 0)
        text << Say(KqPredict::tr("The interval lies above 0: on these records the calendar agreed "
                                  "with the babies' sex more often than chance would."));
    else
        text << Say(KqPredict::tr("The interval lies below 0: on these records the calendar agreed "
                                  "with the babies' sex less often than chance would."));
    text << '\n';
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
    return Say(KqPredict::tr(
        "How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its\n"
        "predictions agreed with the babies' sex no more than chance would: Cohen's kappa\n"
        "0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin\n"
        "(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it\n"
        "on your own records with kq-predict --evaluate.\n"));
}

} // namespace kq::cli
