// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The runs of equal answers around a date of conception (kq-predict --around).
#include "AnswerRuns.h"

#include "EngineWords.h"
#include "IsoDate.h"
#include "Messages.h"
#include "ReplyJson.h"
#include "TextColumns.h"
#include "Words.h"

#include <QJsonObject>

#include <algorithm>

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
        || (run.lunarMonth == answer.lunarMonth.number && run.calendar == answer.lunarMonth.calendar
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
        const Reply reply = predictor.predict(birth, SelectionOf(date));
        if (reply.rejection)
            continue;
        const PredictionAnswer &answer = reply.answer;
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
            run.lunarMonth = answer.lunarMonth.number;
            run.gender = answer.gender;
            run.calendar = answer.lunarMonth.calendar;
        }
        runs.push_back(run);
    }
    return runs;
}

QString AnswerRunsText(const std::vector<AnswerRun> &runs, year_month_day conception, int days)
{
    // Each column as wide as its heading or its widest value; the days are ten columns wide.
    const QString firstDay = KqPredict::tr("First day");
    const QString lastDay = KqPredict::tr("Last day");
    const QString age = AgeHeading();
    const QString month = MonthHeading();
    const QString boy = EngineWords::gender(Gender::Boy);
    const QString girl = EngineWords::gender(Gender::Girl);
    const QString conceived = FormatIsoDate(conception);
    const std::size_t dayWidth
        = std::max({DisplayWidth(firstDay), DisplayWidth(lastDay), DisplayWidth(conceived)});
    const std::size_t ageWidth = std::max<std::size_t>(DisplayWidth(age), 3);
    const std::size_t monthWidth = std::max<std::size_t>(DisplayWidth(month), 5);
    const std::size_t genderWidth
        = std::max<std::size_t>({DisplayWidth(boy), DisplayWidth(girl), 4});
    const QString gap = QStringLiteral("  ");

    const QString heading = days == 1 ? KqPredict::tr("Conceived within %1 day of %2:")
                                      : KqPredict::tr("Conceived within %1 days of %2:");
    QString text = heading.arg(days).arg(conceived) + u'\n' + PadRight(firstDay, dayWidth) + gap
        + PadRight(lastDay, dayWidth) + gap + PadLeft(age, ageWidth) + gap
        + PadLeft(month, monthWidth) + gap + KqPredict::tr("Gender") + u'\n';
    for (const AnswerRun &run : runs) {
        text += PadRight(FormatIsoDate(run.firstDay), dayWidth) + gap
            + PadRight(FormatIsoDate(run.lastDay), dayWidth) + gap
            + PadLeft(QString::number(run.motherChineseAge), ageWidth) + gap;
        if (run.outcome != ReplyOutcome::Predicted) {
            text += PadLeft(QStringLiteral("-"), monthWidth) + gap
                + KqPredict::tr("none: age outside %1").arg(ChartAges()) + u'\n';
            continue;
        }
        const QString gender = EngineWords::gender(run.gender);
        text += PadLeft(QString::number(run.lunarMonth), monthWidth) + gap;
        if (run.calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended)
            text += PadRight(gender, genderWidth) + gap + KqPredict::tr("(extended calendar)");
        else
            text += gender;
        text += u'\n';
    }
    return text;
}

QJsonArray AnswerRunsToJson(const std::vector<AnswerRun> &runs)
{
    QJsonArray array;
    for (const AnswerRun &run : runs) {
        QJsonObject object;
        object.insert(QStringLiteral("firstDay"), FormatIsoDate(run.firstDay));
        object.insert(QStringLiteral("lastDay"), FormatIsoDate(run.lastDay));
        object.insert(QStringLiteral("outcome"), QLatin1String(OutcomeName(run.outcome)));
        object.insert(QStringLiteral("motherChineseAge"), run.motherChineseAge);
        if (run.outcome == ReplyOutcome::Predicted) {
            object.insert(QStringLiteral("conceptionLunarMonth"), run.lunarMonth);
            object.insert(QStringLiteral("calendar"), QLatin1String(CalendarName(run.calendar)));
            object.insert(
                QStringLiteral("gender"), EngineWords::gender(run.gender, Wording::English));
        }
        array.append(object);
    }
    return array;
}

} // namespace kq::cli
