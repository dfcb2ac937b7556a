// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Building kq-predict's JSON answers with Qt's JSON classes.
#include "ReplyJson.h"

#include "EngineWords.h"
#include "IsoDate.h"
#include "Messages.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace kq::cli {

namespace {

constexpr Wording English = Wording::English;

// --due, --last-period: the estimated date of conception and what it was estimated from.
void insertEstimate(QJsonObject &object, const Reply &reply)
{
    if (!reply.estimate)
        return;
    object.insert(
        QStringLiteral("estimatedConceptionDate"), FormatIsoDate(reply.estimate->conception));
    object.insert(
        QStringLiteral("estimatedFrom"), QLatin1String(EstimatedFromName(reply.estimate->from)));
}

QLatin1String calendarName(modDurorurOzivurediRuvidevo::LunarCalendar calendar)
{
    return QLatin1String(CalendarName(calendar));
}

QJsonObject rejectionToJson(ReplyOutcome outcome, const QString &message)
{
    QJsonObject object;
    object.insert(QStringLiteral("outcome"), QLatin1String(OutcomeName(outcome)));
    object.insert(QStringLiteral("message"), message);
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
    const PredictionAnswer &answer = reply.answer;
    QJsonObject object;
    if (reply.rejection) {
        const ReplyOutcome outcome = OutcomeOf(reply.rejection->reason);
        object = rejectionToJson(outcome, RejectionMessage(*reply.rejection, English));
        if (outcome == ReplyOutcome::InvalidInput && reply.line > 0)
            object.insert(QStringLiteral("line"), reply.line);
    } else if (answer.outcome == PredictionOutcome::AgeOutOfRange) {
        object = rejectionToJson(ReplyOutcome::AgeOutOfRange, EngineWords::ageOutOfRange(English));
        object.insert(QStringLiteral("motherChineseAge"), answer.motherChineseAge);
    } else {
        const EngineWords::PredictionWords words = EngineWords::wordsOf(answer, English);
        const Rgb colour = BabyColourOf(answer.gender);
        object.insert(
            QStringLiteral("outcome"), QLatin1String(OutcomeName(ReplyOutcome::Predicted)));
        object.insert(QStringLiteral("motherChineseAge"), answer.motherChineseAge);
        object.insert(QStringLiteral("conceptionLunarMonth"), answer.lunarMonth.number);
        object.insert(QStringLiteral("gender"), words.gender);
        object.insert(
            QStringLiteral("babyColour"), QJsonArray {colour.red, colour.green, colour.blue});
        object.insert(QStringLiteral("babyColourName"), words.babyColour);
        object.insert(QStringLiteral("calendar"), calendarName(answer.lunarMonth.calendar));
        object.insert(QStringLiteral("congratulationMessage"), words.congratulation);
    }
    insertEstimate(object, reply);
    return object;
}

QByteArray CompactReplyJson(const Reply &reply)
{
    return CompactJson(ReplyToJson(reply));
}

QJsonObject LunarMonthToJson(const LunarMonthReply &reply)
{
    if (reply.rejection)
        return rejectionToJson(OutcomeOf(reply), RejectionMessage(*reply.rejection, English));
    QJsonObject object;
    object.insert(QStringLiteral("calendar"), calendarName(reply.month.calendar));
    object.insert(QStringLiteral("conceptionLunarMonth"), reply.month.number);
    return object;
}

QJsonObject ChartToJson()
{
    namespace lm = modDurorurOzivurediRuvidevo;
    QJsonObject chart;
    for (int age = lm::YoungestChartAge; age <= lm::OldestChartAge; ++age) {
        QJsonArray row;
        for (int month = 1; month <= 12; ++month)
            row.append(EngineWords::gender(*lm::LookUpGender(age, month), English));
        chart.insert(QString::number(age), row);
    }
    return chart;
}

QByteArray CompactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace kq::cli
