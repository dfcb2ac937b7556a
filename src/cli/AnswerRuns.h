// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --around: the answers for every conception day within some days on either side
// of a date, gathered into runs of consecutive days with the same answer, so that a user sees
// at once whether an uncertain date could change the prediction.
#pragma once

#include "Predictor.h"

#include <QJsonArray>
#include <QString>

#include <chrono>
#include <vector>

namespace kq::cli {

inline constexpr int FewestAroundDays = 1;
inline constexpr int MostAroundDays = 60;

// Consecutive days of conception with the same answer.
struct AnswerRun
{
    std::chrono::year_month_day firstDay;
    std::chrono::year_month_day lastDay;
    ReplyOutcome outcome = ReplyOutcome::Predicted; // Predicted or AgeOutOfRange
    int motherChineseAge = 0;
    int lunarMonth = 0; // Predicted only
    Gender gender = Gender::Boy; // Predicted only
    // Predicted only: the calendar that gave the month
    modDurorurOzivurediRuvidevo::LunarCalendar calendar
        = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
};

// The runs from `days` days before `conception` to `days` days after it, in date order. Days
// whose question is rejected whatever the day (outside the accepted conception years, or a
// birth year outside the main window's list with a conception in its years) are left out.
std::vector<AnswerRun> AnswersAround(TypedDate birth, std::chrono::year_month_day conception,
    int days, std::chrono::year_month_day today);

// A table with a title line, a header and one row per run; a row whose month the extended
// calendar gave says so.
QString AnswerRunsText(
    const std::vector<AnswerRun> &runs, std::chrono::year_month_day conception, int days);

// One object per run: firstDay, lastDay, outcome, motherChineseAge and, for a prediction,
// conceptionLunarMonth, calendar and gender.
QJsonArray AnswerRunsToJson(const std::vector<AnswerRun> &runs);

} // namespace kq::cli
