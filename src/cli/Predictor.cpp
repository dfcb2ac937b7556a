// Reading two dates the way the main window accepts them, then predicting.
#include "Predictor.h"

#include "IsoDate.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

Reply rejection(ReplyOutcome outcome, std::string message)
{
    Reply reply;
    reply.outcome = outcome;
    reply.message = std::move(message);
    return reply;
}

// Reads one date and holds its year to the years firstYear to lastYear.
std::optional<Reply> readDate(
    std::string_view text, const char *what, int firstYear, int lastYear, DateSelection &date)
{
    const auto parsed = ParseIsoDate(text);
    if (!parsed) {
        return rejection(ReplyOutcome::InvalidInput,
            std::string("The date of ") + what + " must be written YYYY-MM-DD");
    }
    if (parsed->Year < firstYear || parsed->Year > lastYear) {
        return rejection(ReplyOutcome::InvalidInput,
            std::string("The year of ") + what + " must be between " + std::to_string(firstYear)
                + " and " + std::to_string(lastYear));
    }
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
    if (auto failed
        = readDate(conceptionText, "conception", FirstConceptionYear, LastYear, conception))
        return failed;
    // With a conception in the main window's years, the birth year is held to its list too,
    // so that every answer there stays as the main window's lists give it.
    const bool listYears
        = conception.Year >= FirstConceptionListYear && conception.Year <= LastListYear;
    if (auto failed = readDate(birthText, "birth", listYears ? FirstBirthListYear : FirstBirthYear,
            listYears ? LastListYear : LastYear, birth))
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

std::optional<AnswerKey> Predictor::answerKey(
    std::string_view birthText, std::string_view conceptionText) const
{
    DateSelection conception, birth;
    if (readDates(birthText, conceptionText, birth, conception))
        return std::nullopt;
    AnswerKey key;
    key.age = ChineseAge(birth, conception);
    if (key.age < modDurorurOzivurediRuvidevo::YoungestChartAge
        || key.age > modDurorurOzivurediRuvidevo::OldestChartAge) {
        key.outcome = ReplyOutcome::AgeOutOfRange;
        return key;
    }
    const auto month = modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(
        conception.Year, conception.Month, conception.Day);
    if (!month)
        return std::nullopt;
    key.lunarMonth = month->number;
    key.calendar = month->calendar;
    key.conceptionYear = conception.Year;
    key.conceptionMonth = conception.Month;
    return key;
}

Reply Predictor::lunarMonth(std::string_view dateText) const
{
    DateSelection date;
    if (auto failed = readDate(dateText, "conception", FirstConceptionYear, LastYear, date))
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
