// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Holding two dates to the years and the checks the main window applies, then predicting.
#include "Predictor.h"

#include "IsoDate.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

// The years one date may have.
struct YearRule
{
    DateRole date;
    int firstYear;
    int lastYear;
};

constexpr YearRule ConceptionRule {DateRole::Conception, FirstConceptionYear, LastYear};

// With a conception in the main window's years, the birth year is held to its list too, so
// that every answer there stays as the main window's lists give it.
constexpr YearRule birthRule(const DateSelection &conception) noexcept
{
    return conception.Year >= FirstConceptionListYear && conception.Year <= LastListYear
        ? YearRule {DateRole::Birth, FirstBirthListYear, LastListYear}
        : YearRule {DateRole::Birth, FirstBirthYear, LastYear};
}

Rejection yearRejection(RejectionReason reason, const YearRule &rule)
{
    Rejection rejection;
    rejection.reason = reason;
    rejection.date = rule.date;
    if (reason == RejectionReason::YearOutside) {
        rejection.firstYear = rule.firstYear;
        rejection.lastYear = rule.lastYear;
    }
    return rejection;
}

// Holds one date to the rule's years.
std::optional<Rejection> held(TypedDate typed, const YearRule &rule, DateSelection &date)
{
    if (!typed)
        return yearRejection(RejectionReason::NotWritten, rule);
    date = SelectionOf(*typed);
    if (date.Year < rule.firstYear || date.Year > rule.lastYear)
        return yearRejection(RejectionReason::YearOutside, rule);
    return std::nullopt;
}

Rejection dateCheckRejection(const DateCheckFailure &failure)
{
    Rejection rejection;
    rejection.reason = RejectionReason::DateCheck;
    rejection.check = failure.check;
    return rejection;
}

} // namespace

ReplyOutcome OutcomeOf(RejectionReason reason) noexcept
{
    switch (reason) {
    case RejectionReason::AgeOutOfRange:
        return ReplyOutcome::AgeOutOfRange;
    case RejectionReason::DateCheck:
        return ReplyOutcome::InvalidDate;
    default:
        return ReplyOutcome::InvalidInput;
    }
}

Reply ReplyOf(const Rejection &rejection)
{
    Reply reply;
    reply.outcome = OutcomeOf(rejection.reason);
    reply.rejection = rejection;
    return reply;
}

Reply ReplyOf(const Decision &decision)
{
    Reply reply;
    if (decision.rejection) {
        reply = ReplyOf(*decision.rejection);
        // Only a date check names the dates it read.
        if (decision.rejection->reason != RejectionReason::DateCheck)
            return reply;
    } else {
        reply.result = MakePredictionResult(decision.answer);
        if (decision.answer.outcome == PredictionOutcome::Predicted) {
            reply.outcome = ReplyOutcome::Predicted;
        } else {
            reply.outcome = ReplyOutcome::AgeOutOfRange;
            reply.rejection.reason = RejectionReason::AgeOutOfRange;
        }
    }
    reply.birth = decision.birth;
    reply.conception = decision.conception;
    return reply;
}

Predictor::Predictor(std::chrono::year_month_day today)
    : m_today(today)
{ }

Decision Predictor::decide(TypedDate birth, TypedDate conception)
{
    Decision decision;
    // The conception date is checked first, as in the main window.
    if (auto failed = held(conception, ConceptionRule, decision.conception)) {
        decision.rejection = failed;
        return decision;
    }
    if (auto failed = held(birth, birthRule(decision.conception), decision.birth)) {
        decision.rejection = failed;
        return decision;
    }
    // Both leap-year rules agree on every year of the lists; outside them only the Gregorian
    // one is right (29 February 1900 does not exist).
    if (const auto failure
        = CheckDateSelections(decision.birth, decision.conception, LeapYearRule::Gregorian)) {
        decision.rejection = dateCheckRejection(*failure);
        return decision;
    }
    // Both dates exist now.
    decision.answer = m_state.AnswerPrediction(*birth, *conception, m_today);
    return decision;
}

Reply Predictor::predict(std::string_view birthText, std::string_view conceptionText)
{
    return predict(ParseIsoDate(birthText), ParseIsoDate(conceptionText));
}

Reply Predictor::lunarMonth(TypedDate typed) const
{
    DateSelection date;
    if (auto failed = held(typed, ConceptionRule, date))
        return ReplyOf(*failed);
    if (const auto failure = CheckConceptionDate(date, LeapYearRule::Gregorian)) {
        Reply reply = ReplyOf(dateCheckRejection(*failure));
        reply.conception = date;
        return reply;
    }
    const auto month
        = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(date.Year, date.Month, date.Day);
    if (!month) {
        Rejection rejection;
        rejection.reason = RejectionReason::NoLunarMonth;
        return ReplyOf(rejection);
    }
    Reply reply;
    reply.outcome = ReplyOutcome::Predicted;
    reply.conception = date;
    reply.result.Outcome = PredictionOutcome::Predicted;
    reply.result.ConceptionLunarMonth = month->number;
    reply.result.Calendar = month->calendar;
    return reply;
}

Reply Predictor::lunarMonth(std::string_view dateText) const
{
    return lunarMonth(ParseIsoDate(dateText));
}

} // namespace kq::cli
