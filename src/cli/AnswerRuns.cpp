// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The runs of equal answers around a date of conception (kq-predict --around).
#include "AnswerRuns.h"

#include "IsoDate.h"
#include "Messages.h"
#include "ReplyJson.h"

#include <QJsonObject>

#include <cstdio>

namespace kq::cli {

namespace {

using namespace std::chrono;

ReplyOutcome outcomeOf(const PredictionAnswer &answer)
{
    return answer.outcome == PredictionOutcome::Predicted ? ReplyOutcome::Predicted
                                                          : ReplyOutcome::AgeOutOfRange;
}

// A run's answer: the age, and for a prediction the month, its calendar and the gender (the
// congratulation line may change within a run).
bool sameAnswer(const AnswerRun &run, const PredictionAnswer &answer)
{
    if (run.outcome != outcomeOf(answer) || run.motherChineseAge != answer.motherChineseAge)
        return false;
    return answer.outcome != PredictionOutcome::Predicted
        || (run.lunarMonth == answer.lunarMonth && run.calendar == answer.calendar
            && run.gender == answer.gender);
}

} // namespace

std::vector<AnswerRun> AnswersAround(
    TypedDate birth, year_month_day conception, int days, year_month_day today)
{
    // A predictor of its own, so that the question's own prediction is made as without
    // --around.
    Predictor predictor(today);
    std::vector<AnswerRun> runs;
    for (int offset = -days; offset <= days; ++offset) {
        const year_month_day date = sys_days(conception) + std::chrono::days(offset);
        if (date.year() < year {FirstConceptionYear} || date.year() > year {LastYear})
            continue;
        const Decision decision = predictor.decide(birth, date);
        if (decision.rejection)
            continue;
        const PredictionAnswer &answer = decision.answer;
        if (!runs.empty() && sameAnswer(runs.back(), answer)
            && sys_days(runs.back().lastDay) + std::chrono::days(1) == sys_days(date)) {
            runs.back().lastDay = date;
            continue;
        }
        AnswerRun run;
        run.firstDay = run.lastDay = date;
        run.outcome = outcomeOf(answer);
        run.motherChineseAge = answer.motherChineseAge;
        if (answer.outcome == PredictionOutcome::Predicted) {
            run.lunarMonth = answer.lunarMonth;
            run.gender = answer.gender;
            run.calendar = answer.calendar;
        }
        runs.push_back(run);
    }
    return runs;
}

std::string AnswerRunsText(const std::vector<AnswerRun> &runs, year_month_day conception, int days)
{
    std::string text = "Conceived within " + std::to_string(days) + (days == 1 ? " day" : " days")
        + " of " + FormatIsoDate(conception) + ":\n"
        + "First day   Last day    Age  Month  Gender\n";
    for (const AnswerRun &run : runs) {
        char row[64];
        if (run.outcome == ReplyOutcome::Predicted)
            std::snprintf(row, sizeof row,
                run.calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended
                    ? "%3d  %5d  %-4s  (extended calendar)"
                    : "%3d  %5d  %s",
                run.motherChineseAge, run.lunarMonth, std::string(GenderText(run.gender)).c_str());
        else
            std::snprintf(row, sizeof row, "%3d      -  none: age outside %s", run.motherChineseAge,
                ChartAgesText().c_str());
        text += FormatIsoDate(run.firstDay) + "  " + FormatIsoDate(run.lastDay) + "  " + row + '\n';
    }
    return text;
}

QJsonArray AnswerRunsToJson(const std::vector<AnswerRun> &runs)
{
    QJsonArray array;
    for (const AnswerRun &run : runs) {
        QJsonObject object;
        object.insert(
            QStringLiteral("firstDay"), QString::fromStdString(FormatIsoDate(run.firstDay)));
        object.insert(
            QStringLiteral("lastDay"), QString::fromStdString(FormatIsoDate(run.lastDay)));
        object.insert(QStringLiteral("outcome"), QLatin1String(OutcomeName(run.outcome)));
        object.insert(QStringLiteral("motherChineseAge"), run.motherChineseAge);
        if (run.outcome == ReplyOutcome::Predicted) {
            object.insert(QStringLiteral("conceptionLunarMonth"), run.lunarMonth);
            object.insert(QStringLiteral("calendar"), QLatin1String(CalendarName(run.calendar)));
            object.insert(QStringLiteral("gender"),
                QString::fromStdString(std::string(GenderText(run.gender))));
        }
        array.append(object);
    }
    return array;
}

} // namespace kq::cli
