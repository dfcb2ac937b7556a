// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --evaluate report and the study paragraph of --explain.
#include "EvaluationReport.h"

#include "Messages.h"
#include "TextColumns.h"
#include "Words.h"

#include <QJsonArray>

#include <algorithm>

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
QString skipText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::BadDate:
        return KqPredict::tr("bad date:");
    case SkipReason::AgeOutOfRange:
        return KqPredict::tr("age outside %1:").arg(ChartAges());
    case SkipReason::UnknownSex:
        return KqPredict::tr("unknown sex:");
    case SkipReason::NotThreeFields:
        break;
    }
    return KqPredict::tr("not three fields:");
}

// A number with a point and `decimals` decimals; a value that rounds to zero without a sign.
QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.mid(1).toDouble() == 0)
        text.remove(0, 1);
    return text;
}

QString count(std::uint64_t value)
{
    return QString::number(value);
}

QJsonValue jsonCount(std::uint64_t value)
{
    return QJsonValue(static_cast<qint64>(value));
}

} // namespace

QString EvaluationText(const EvaluationCounts &counts)
{
    const AgreementTable &table = counts.table;
    const Agreement agreement = MeasureAgreement(table);
    // The values of each block of labelled lines in one column, one space after the widest label.
    const QString evaluated = KqPredict::tr("Records evaluated:");
    const QString skipped = KqPredict::tr("Records skipped:");
    const std::size_t recordsWidth = std::max(DisplayWidth(evaluated), DisplayWidth(skipped)) + 1;
    QString text = PadRight(evaluated, recordsWidth) + count(agreement.records) + u'\n'
        + PadRight(skipped, recordsWidth) + count(counts.skippedTotal()) + u'\n';
    std::size_t skipWidth = 24;
    for (const SkipLabel &label : SkipLabels)
        skipWidth = std::max(skipWidth, DisplayWidth(skipText(label.reason)) + 1);
    for (const SkipLabel &label : SkipLabels)
        text += QStringLiteral("  ") + PadRight(skipText(label.reason), skipWidth)
            + count(counts.skippedCount(label.reason)) + u'\n';

    // The table: its columns at least two spaces apart, its row labels as wide as the widest.
    const QString girlBorn = KqPredict::tr("Girl born");
    const QString boyBorn = KqPredict::tr("Boy born");
    const QString predictedGirl = KqPredict::tr("Predicted girl");
    const QString predictedBoy = KqPredict::tr("Predicted boy");
    std::size_t width
        = std::max<std::size_t>({10, DisplayWidth(girlBorn) + 1, DisplayWidth(boyBorn) + 2});
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        for (const Gender baby : {Gender::Girl, Gender::Boy})
            width = std::max<std::size_t>(width, count(table.count(predicted, baby)).size() + 2);
    const std::size_t rowWidth = std::max<std::size_t>(
        {16, DisplayWidth(predictedGirl) + 2, DisplayWidth(predictedBoy) + 2});
    text += u'\n' + PadRight(QString(), rowWidth) + PadLeft(girlBorn, width)
        + PadLeft(boyBorn, width) + u'\n';
    for (const Gender predicted : {Gender::Girl, Gender::Boy})
        text += PadRight(predicted == Gender::Girl ? predictedGirl : predictedBoy, rowWidth)
            + PadLeft(count(table.count(predicted, Gender::Girl)), width)
            + PadLeft(count(table.count(predicted, Gender::Boy)), width) + u'\n';
    text += u'\n';

    const QString accuracyLabel = KqPredict::tr("Accuracy:");
    const QString kappaLabel = KqPredict::tr("Cohen's kappa:");
    const std::size_t resultWidth
        = std::max(DisplayWidth(accuracyLabel), DisplayWidth(kappaLabel)) + 1;
    const QString accuracyText = PadRight(accuracyLabel, resultWidth);
    const QString kappaText = PadRight(kappaLabel, resultWidth);

    if (!agreement.accuracy) {
        const QString none = KqPredict::tr("not defined, no record was evaluated");
        return text + accuracyText + none + u'\n' + kappaText + none + u'\n';
    }
    text += accuracyText
        + KqPredict::tr("%1% (%2 of %3 predictions right)")
              .arg(fixed(*agreement.accuracy * 100, 2), count(table.agreeing()),
                  count(agreement.records))
        + u'\n';
    if (!agreement.kappa) {
        return text + kappaText
            + KqPredict::tr("not defined, every prediction and every baby is of the same sex")
            + u'\n';
    }
    const KappaEstimate &kappa = *agreement.kappa;
    if (!kappa.intervalHolds) {
        return text + kappaText + fixed(kappa.kappa, 4) + u'\n'
            + KqPredict::tr("Too few records for a 95% confidence interval (a cell of the table "
                            "expects fewer\n"
                            "than %1 records, Cochran's rule): no conclusion is drawn from "
                            "these records.\n")
                  .arg(FewestExpectedRecordsInACell);
    }
    text += kappaText
        + KqPredict::tr("%1, 95% confidence interval %2 to %3 (standard error %4)")
              .arg(fixed(kappa.kappa, 4), fixed(kappa.lower, 4), fixed(kappa.upper, 4),
                  fixed(kappa.standardError, 4))
        + u'\n';
    if (kappa.lower <= 0 && kappa.upper >= 0)
        text += KqPredict::tr("The interval contains 0: on these records the calendar did no "
                              "better than chance.");
    else if (kappa.lower > 0)
        text += KqPredict::tr("The interval lies above 0: on these records the calendar agreed "
                              "with the babies' sex more often than chance would.");
    else
        text += KqPredict::tr("The interval lies below 0: on these records the calendar agreed "
                              "with the babies' sex less often than chance would.");
    return text + u'\n';
}

QJsonObject EvaluationToJson(const EvaluationCounts &counts)
{
    const AgreementTable &table = counts.table;
    const Agreement agreement = MeasureAgreement(table);

    QJsonObject skipped {{QStringLiteral("total"), jsonCount(counts.skippedTotal())}};
    for (const SkipLabel &label : SkipLabels)
        skipped.insert(QLatin1String(label.key), jsonCount(counts.skippedCount(label.reason)));
    const auto row = [&table](Gender predicted) {
        return QJsonObject {
            {QStringLiteral("girl"), jsonCount(table.count(predicted, Gender::Girl))},
            {QStringLiteral("boy"), jsonCount(table.count(predicted, Gender::Boy))}};
    };

    QJsonObject object {
        {QStringLiteral("evaluated"), jsonCount(agreement.records)},
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

QString StudyParagraph()
{
    return KqPredict::tr(
        "How good is the calendar? Over 2,840,755 singleton births in Sweden (1973-2006), its\n"
        "predictions agreed with the babies' sex no more than chance would: Cohen's kappa\n"
        "0.0002 (95% confidence interval -0.0009 to 0.0014), no better than tossing a coin\n"
        "(Villamor et al., Paediatric and Perinatal Epidemiology 2010; 24: 398-400). Check it\n"
        "on your own records with kq-predict --evaluate.\n");
}

} // namespace kq::cli
