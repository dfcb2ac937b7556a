// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Building kq-predict's JSON answers with Qt's JSON classes.
#include "ReplyJson.h"

#include "IsoDate.h"
#include "Messages.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kq::cli {

namespace {

// --due, --last-period: the estimated date of conception and what it was estimated from.
void insertEstimate(QJsonObject &object, const Reply &reply)
{
    if (!reply.estimate)
        return;
    object.insert(QStringLiteral("estimatedConceptionDate"),
        QString::fromStdString(FormatIsoDate(reply.estimate->conception)));
    object.insert(
        QStringLiteral("estimatedFrom"), QLatin1String(EstimatedFromName(reply.estimate->from)));
}

QLatin1String calendarName(modDurorurOzivurediRuvidevo::LunarCalendar calendar)
{
    return QLatin1String(CalendarName(calendar));
}

QJsonObject rejectionToJson(const Reply &reply)
{
    QJsonObject object;
    object.insert(QStringLiteral("outcome"), QLatin1String(OutcomeName(reply.outcome)));
    object.insert(
        QStringLiteral("message"), QString::fromStdString(RejectionMessage(reply.rejection)));
    if (reply.outcome == ReplyOutcome::AgeOutOfRange)
        object.insert(QStringLiteral("motherChineseAge"), reply.result.MotherChineseAge);
    if (reply.outcome == ReplyOutcome::InvalidInput && reply.line > 0)
        object.insert(QStringLiteral("line"), reply.line);
    insertEstimate(object, reply);
    return object;
}

} // namespace

const char *OutcomeName(ReplyOutcome outcome)
{
    switch (outcome) {
    case ReplyOutcome::Predicted:
        return "Predicted";
    case ReplyOutcome::AgeOutOfRange:
        return "AgeOutOfRange";
    case ReplyOutcome::InvalidDate:
        return "InvalidDate";
    case ReplyOutcome::InvalidInput:
        return "InvalidInput";
    }
    return "InvalidInput";
}

const char *CalendarName(modDurorurOzivurediRuvidevo::LunarCalendar calendar)
{
    return calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended ? "extended"
                                                                            : "classic";
}

QJsonObject ReplyToJson(const Reply &reply)
{
    if (reply.outcome != ReplyOutcome::Predicted)
        return rejectionToJson(reply);
    const PredictionResult &result = reply.result;
    QJsonObject object;
    object.insert(QStringLiteral("outcome"), QStringLiteral("Predicted"));
    object.insert(QStringLiteral("motherChineseAge"), result.MotherChineseAge);
    object.insert(QStringLiteral("conceptionLunarMonth"), result.ConceptionLunarMonth);
    object.insert(QStringLiteral("gender"), QString::fromStdString(result.Gender));
    object.insert(QStringLiteral("babyColour"),
        QJsonArray {result.BabyColour.red, result.BabyColour.green, result.BabyColour.blue});
    object.insert(QStringLiteral("babyColourName"), QString::fromStdString(result.BabyColourName));
    object.insert(QStringLiteral("calendar"), calendarName(result.Calendar));
    object.insert(QStringLiteral("congratulationMessage"),
        QString::fromStdString(result.CongratulationMessage));
    insertEstimate(object, reply);
    return object;
}

QJsonObject LunarMonthToJson(const Reply &reply)
{
    if (reply.outcome != ReplyOutcome::Predicted)
        return rejectionToJson(reply);
    QJsonObject object;
    object.insert(QStringLiteral("calendar"), calendarName(reply.result.Calendar));
    object.insert(QStringLiteral("conceptionLunarMonth"), reply.result.ConceptionLunarMonth);
    return object;
}

QJsonObject ChartToJson()
{
    namespace lm = modDurorurOzivurediRuvidevo;
    QJsonObject chart;
    for (int age = lm::YoungestChartAge; age <= lm::OldestChartAge; ++age) {
        QJsonArray row;
        for (int month = 1; month <= 12; ++month) {
            const std::string_view gender = GenderText(*lm::LookUpChartGender(age, month));
            row.append(QString::fromUtf8(gender.data(), static_cast<qsizetype>(gender.size())));
        }
        chart.insert(QString::number(age), row);
    }
    return chart;
}

QByteArray CompactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace kq::cli
