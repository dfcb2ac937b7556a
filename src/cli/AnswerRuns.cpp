// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The runs of equal answers around a date of conception (kq-predict --around).
#include "AnswerRuns.h"

#include "IsoDate.h"
#include "ReplyJson.h"

#include <QJsonObject>

#include <cstdio>

namespace kq::cli {

namespace {

using namespace std::chrono;

std::string formatted(year_month_day date)
{
    return FormatIsoDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
        static_cast<int>(unsigned(date.day())));
}

bool sameAnswer(const AnswerRun &run, const Reply &reply)
{
    if (run.outcome != reply.outcome || run.motherChineseAge != reply.result.MotherChineseAge)
        return false;
    return reply.outcome != ReplyOutcome::Predicted
        || (run.lunarMonth == reply.result.ConceptionLunarMonth
            && run.calendar == reply.result.Calendar && run.gender == reply.result.Gender);
}

} // namespace

std::vector<AnswerRun> AnswersAround(
    std::string_view birthText, year_month_day conception, int days, year_month_day today)
{
    // A predictor of its own, so that the question's own prediction is made as without
    // --around.
    Predictor predictor(today);
    std::vector<AnswerRun> runs;
    for (int offset = -days; offset <= days; ++offset) {
        const year_month_day date = sys_days(conception) + std::chrono::days(offset);
        const int year = static_cast<int>(date.year());
        if (year < FirstConceptionYear || year > LastYear)
            continue;
        const Reply reply = predictor.predict(birthText, formatted(date));
        if (reply.outcome != ReplyOutcome::Predicted
            && reply.outcome != ReplyOutcome::AgeOutOfRange)
            continue;
        if (!runs.empty() && sameAnswer(runs.back(), reply)
            && sys_days(runs.back().lastDay) + std::chrono::days(1) == sys_days(date)) {
            runs.back().lastDay = date;
            continue;
        }
        AnswerRun run;
        run.firstDay = run.lastDay = date;
        run.outcome = reply.outcome;
        run.motherChineseAge = reply.result.MotherChineseAge;
        if (reply.outcome == ReplyOutcome::Predicted) {
            run.lunarMonth = reply.result.ConceptionLunarMonth;
            run.gender = reply.result.Gender;
            run.calendar = reply.result.Calendar;
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

std::string AnswerRunsText(const std::vector<AnswerRun> &runs, year_month_day conception, int days)
{
    std::string text = "Conceived within " + std::to_string(days) + (days == 1 ? " day" : " days")
        + " of " + formatted(conception) + ":\n" + "First day   Last day    Age  Month  Gender\n";
    for (const AnswerRun &run : runs) {
        char row[64];
        if (run.outcome == ReplyOutcome::Predicted)
            std::snprintf(row, sizeof row,
                run.calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended
                    ? "%3d  %5d  %-4s  (extended calendar)"
                    : "%3d  %5d  %s",
                run.motherChineseAge, run.lunarMonth, run.gender.c_str());
        else
            std::snprintf(
                row, sizeof row, "%3d      -  none: age outside 18 to 45", run.motherChineseAge);
        text += formatted(run.firstDay) + "  " + formatted(run.lastDay) + "  " + row + '\n';
    }
    return text;
}

QJsonArray AnswerRunsToJson(const std::vector<AnswerRun> &runs)
{
    QJsonArray array;
    for (const AnswerRun &run : runs) {
        QJsonObject object;
        object.insert(QStringLiteral("firstDay"), QString::fromStdString(formatted(run.firstDay)));
        object.insert(QStringLiteral("lastDay"), QString::fromStdString(formatted(run.lastDay)));
        object.insert(QStringLiteral("outcome"), QLatin1String(OutcomeName(run.outcome)));
        object.insert(QStringLiteral("motherChineseAge"), run.motherChineseAge);
        if (run.outcome == ReplyOutcome::Predicted) {
            object.insert(QStringLiteral("conceptionLunarMonth"), run.lunarMonth);
            object.insert(QStringLiteral("calendar"), QLatin1String(CalendarName(run.calendar)));
            object.insert(QStringLiteral("gender"), QString::fromStdString(run.gender));
        }
        array.append(object);
    }
    return array;
}

} // namespace kq::cli
