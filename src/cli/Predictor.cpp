// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reading two dates the way the main window accepts them, then predicting.
#include "Predictor.h"

#include "IsoDate.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

Reply rejection(ReplyOutcome outcome, const std::string &message)
{
    Reply reply;
    reply.outcome = outcome;
    reply.message = message;
    return reply;
}

// The years one date may have, with the messages for a date outside them or not written
// YYYY-MM-DD (built once: --batch may reject many lines).
struct DateRule
{
    int firstYear;
    int lastYear;
    std::string notWritten;
    std::string yearOutside;

    DateRule(const char *what, int first, int last)
        : firstYear(first)
        , lastYear(last)
        , notWritten(std::string("The date of ") + what + " must be written YYYY-MM-DD")
        , yearOutside(std::string("The year of ") + what + " must be between "
              + std::to_string(first) + " and " + std::to_string(last))
    { }
};

const DateRule &conceptionRule()
{
    static const DateRule rule("conception", FirstConceptionYear, LastYear);
    return rule;
}

// With a conception in the main window's years, the birth year is held to its list too, so
// that every answer there stays as the main window's lists give it.
const DateRule &birthRule(const DateSelection &conception)
{
    static const DateRule listRule("birth", FirstBirthListYear, LastListYear);
    static const DateRule rule("birth", FirstBirthYear, LastYear);
    return conception.Year >= FirstConceptionListYear && conception.Year <= LastListYear ? listRule
                                                                                         : rule;
}

// Reads one date and holds its year to the rule's years.
std::optional<Reply> readDate(std::string_view text, const DateRule &rule, DateSelection &date)
{
    const auto parsed = ParseIsoDate(text);
    if (!parsed)
        return rejection(ReplyOutcome::InvalidInput, rule.notWritten);
    if (parsed->Year < rule.firstYear || parsed->Year > rule.lastYear)
        return rejection(ReplyOutcome::InvalidInput, rule.yearOutside);
    date = *parsed;
    return std::nullopt;
}

} // namespace

Predictor::Predictor(std::chrono::year_month_day today)
    : m_today(today)
{ }

std::optional<Reply> Predictor::readDates(std::string_view birthText,
    std::string_view conceptionText, DateSelection &birth, DateSelection &conception)
{
    // The conception date is read and checked first, as in the main window.
    if (auto failed = readDate(conceptionText, conceptionRule(), conception))
        return failed;
    if (auto failed = readDate(birthText, birthRule(conception), birth))
        return failed;
    // Both leap-year rules agree on every year of the lists; outside them only the Gregorian
    // one is right (29 February 1900 does not exist).
    if (const auto failure = CheckDateSelections(birth, conception, LeapYearRule::Gregorian)) {
        Reply reply = rejection(ReplyOutcome::InvalidDate, std::string(failure->message));
        reply.birth = birth;
        reply.conception = conception;
        return reply;
    }
    return std::nullopt;
}

Reply Predictor::predict(std::string_view birthText, std::string_view conceptionText)
{
    DateSelection conception, birth;
    if (auto failed = readDates(birthText, conceptionText, birth, conception))
        return *failed;

    Reply reply;
    reply.birth = birth;
    reply.conception = conception;
    reply.result = m_state.PredictBabyGender(birth, conception, m_today);
    if (reply.result.Outcome == PredictionOutcome::Predicted) {
        reply.outcome = ReplyOutcome::Predicted;
    } else {
        reply.outcome = ReplyOutcome::AgeOutOfRange;
        reply.message = std::string(AgeOutOfRangeText);
    }
    return reply;
}

std::optional<AnswerKey> Predictor::answerKey(std::string_view birthText,
    std::string_view conceptionText, std::optional<Reply> &rejection) const
{
    DateSelection conception, birth;
    rejection = readDates(birthText, conceptionText, birth, conception);
    if (rejection)
        return std::nullopt;
    AnswerKey key;
    key.age = ChineseAge(birth, conception);
    if (key.age < modDurorurOzivurediRuvidevo::YoungestChartAge
        || key.age > modDurorurOzivurediRuvidevo::OldestChartAge) {
        key.outcome = ReplyOutcome::AgeOutOfRange;
        return key;
    }
    // Every accepted date has a month; were one without, the key's month 0 would match no
    // stored answer and the engine would be asked.
    if (const auto month = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(
            conception.Year, conception.Month, conception.Day)) {
        key.lunarMonth = month->number;
        key.calendar = month->calendar;
    }
    key.conceptionYear = conception.Year;
    key.conceptionMonth = conception.Month;
    return key;
}

Reply Predictor::lunarMonth(std::string_view dateText) const
{
    DateSelection date;
    if (auto failed = readDate(dateText, conceptionRule(), date))
        return *failed;
    if (const auto failure = CheckConceptionDate(date, LeapYearRule::Gregorian)) {
        Reply reply = rejection(ReplyOutcome::InvalidDate, std::string(failure->message));
        reply.conception = date;
        return reply;
    }
    const auto month
        = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(date.Year, date.Month, date.Day);
    if (!month)
        return rejection(ReplyOutcome::InvalidInput, "No lunar month is known for the date");
    Reply reply;
    reply.outcome = ReplyOutcome::Predicted;
    reply.conception = date;
    reply.result.Outcome = PredictionOutcome::Predicted;
    reply.result.ConceptionLunarMonth = month->number;
    reply.result.Calendar = month->calendar;
    return reply;
}

} // namespace kq::cli
