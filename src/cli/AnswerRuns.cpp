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
    // Each column as wide as its heading or its widest value; the days are ten columns wide.
    const std::string firstDay = Say(KqPredict::tr("First day"));
    const std::string lastDay = Say(KqPredict::tr("Last day"));
    const std::string age = Say(KqPredict::tr("Age"));
    const std::string month = Say(KqPredict::tr("Month"));
    const std::string boy = Say(EngineWords::gender(Gender::Boy));
    const std::string girl = Say(EngineWords::gender(Gender::Girl));
    const std::size_t dayWidth = std::max(
        {DisplayWidth(firstDay), DisplayWidth(lastDay), FormatIsoDate(conception).size()});
    const std::size_t ageWidth = std::max<std::size_t>(DisplayWidth(age), 3);
    const std::size_t monthWidth = std::max<std::size_t>(DisplayWidth(month), 5);
    const std::size_t genderWidth
        = std::max<std::size_t>({DisplayWidth(boy), DisplayWidth(girl), 4});

    const QString heading = days == 1 ? KqPredict::tr("Conceived within %1 day of %2:")
                                      : KqPredict::tr("Conceived within %1 days of %2:");
    std::string text = Say(heading.arg(days).arg(QString::fromStdString(FormatIsoDate(conception))))
        + '\n' + PadRight(firstDay, dayWidth) + "  " + PadRight(lastDay, dayWidth) + "  "
        + PadLeft(age, ageWidth) + "  " + PadLeft(month, monthWidth) + "  "
        + Say(KqPredict::tr("Gender")) + '\n';
    for (const AnswerRun &run : runs) {
        text += PadRight(FormatIsoDate(run.firstDay), dayWidth) + "  "
            + PadRight(FormatIsoDate(run.lastDay), dayWidth) + "  "
            + PadLeft(std::to_string(run.motherChineseAge), ageWidth) + "  ";
        if (run.outcome != ReplyOutcome::Predicted) {
            text += PadLeft("-", monthWidth) + "  "
                + Say(KqPredict::tr("none: age outside %1")
                          .arg(QString::fromStdString(ChartAgesText(Wording::UserLanguage))))
                + '\n';
            continue;
        }
        const std::string gender = Say(EngineWords::gender(run.gender));
        text += PadLeft(std::to_string(run.lunarMonth), monthWidth) + "  ";
        if (run.calendar == modDurorurOzivurediRuvidevo::LunarCalendar::Extended)
            text
                += PadRight(gender, genderWidth) + "  " + Say(KqPredict::tr("(extended calendar)"));
        else
            text += gender;
        text += '\n';
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
