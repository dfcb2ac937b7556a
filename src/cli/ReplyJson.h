// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict's answers as JSON objects, in English whatever the language: a prediction has
// exactly the keys outcome, motherChineseAge, conceptionLunarMonth, calendar ("classic": the
// program's own lunar-month table; "extended": the official calendar outside its years),
// gender, babyColour, babyColourName and congratulationMessage; a rejection has outcome and
// message, motherChineseAge where it was computed, and in --batch the line of a malformed input
// line. With --due or --last-period both also have estimatedConceptionDate and estimatedFrom
// ("dueDate" or "lastPeriod").
#pragma once

#include "Predictor.h"

#include <QByteArray>
#include <QJsonObject>

namespace kq::cli {

QJsonObject ReplyToJson(const Reply &reply);

// The same as one line of compact JSON, without the line break.
QByteArray CompactReplyJson(const Reply &reply);

// The lunar month alone: {"calendar": "classic" or "extended", "conceptionLunarMonth": N}, or
// a rejection.
QJsonObject LunarMonthToJson(const LunarMonthReply &reply);

// The chart: from age ("18" to "45") to the twelve texts of its row.
QJsonObject ChartToJson();

// One line of compact JSON, without the line break.
QByteArray CompactJson(const QJsonObject &object);

const char *OutcomeName(ReplyOutcome outcome);

// "classic" or "extended".
const char *CalendarName(modDurorurOzivurediRuvidevo::LunarCalendar calendar);

} // namespace kq::cli
