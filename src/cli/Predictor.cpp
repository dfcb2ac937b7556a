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

// Holds one date to the rule's years; the date as the lists would hold it goes into `date`.
std::optional<Rejection> held(TypedDate typed, const YearRule &rule, DateSelection &date)
{
    Rejection rejection;
    rejection.date = rule.date;
    if (!typed) {
        rejection.reason = RejectionReason::NotWritten;
        return rejection;
    }
    date = *typed;
    if (date.Year >= rule.firstYear && date.Year <= rule.lastYear)
        return std::nullopt;
    rejection.reason = RejectionReason::YearOutside;
    rejection.firstYear = rule.firstYear;
    rejection.lastYear = rule.lastYear;
    return rejection;
}

Rejection dateCheckRejection(DateCheck check)
{
    Rejection rejection;
    rejection.reason = RejectionReason::DateCheck;
    rejection.check = check;
    return rejection;
}

} // namespace

ReplyOutcome OutcomeOf(RejectionReason reason) noexcept
{
    return reason == RejectionReason::DateCheck ? ReplyOutcome::InvalidDate
                                                : ReplyOutcome::InvalidInput;
}

ReplyOutcome OutcomeOf(const Reply &reply) noexcept
{
    if (reply.rejection)
        return OutcomeOf(reply.rejection->reason);
    return reply.answer.outcome == PredictionOutcome::Predicted ? ReplyOutcome::Predicted
                                                                : ReplyOutcome::AgeOutOfRange;
}

ReplyOutcome OutcomeOf(const LunarMonthReply &reply) noexcept
{
    return reply.rejection ? OutcomeOf(reply.rejection->reason) : ReplyOutcome::Predicted;
}

Predictor::Predictor(std::chrono::year_month_day today)
    : m_today(today)
{ }

Reply Predictor::predict(TypedDate birth, TypedDate conception)
{
    Reply reply;
    // The conception date is checked first, as in the main window.
    reply.rejection = held(conception, ConceptionRule, reply.conception);
    if (!reply.rejection)
        reply.rejection = held(birth, birthRule(reply.conception), reply.birth);
    if (reply.rejection)
        return reply;
    // Both leap-year rules agree on every year of the lists; outside them only the Gregorian
    // one is right (29 February 1900 does not exist).
    if (const auto failed
        = CheckDateSelections(reply.birth, reply.conception, LeapYearRule::Gregorian)) {
        reply.rejection = dateCheckRejection(*failed);
        return reply;
    }
    reply.answer = m_state.PredictBabyGender(reply.birth, reply.conception, m_today);
    return reply;
}

Reply Predictor::predict(std::string_view birthText, std::string_view conceptionText)
{
    return predict(ParseIsoDate(birthText), ParseIsoDate(conceptionText));
}

LunarMonthReply Predictor::lunarMonth(TypedDate typed)
{
    LunarMonthReply reply;
    reply.rejection = held(typed, ConceptionRule, reply.date);
    if (reply.rejection)
        return reply;
    if (const auto failed = CheckConceptionDate(reply.date, LeapYearRule::Gregorian)) {
        reply.rejection = dateCheckRejection(*failed);
        return reply;
    }
    const auto month = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(
        reply.date.Year, reply.date.Month, reply.date.Day);
    if (!month) {
        reply.rejection = Rejection {};
        reply.rejection->reason = RejectionReason::NoLunarMonth;
        return reply;
    }
    reply.month = *month;
    return reply;
}

LunarMonthReply Predictor::lunarMonth(std::string_view dateText)
{
    return lunarMonth(ParseIsoDate(dateText));
}

} // namespace kq::cli
