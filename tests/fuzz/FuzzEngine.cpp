// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fuzz target: the engine's lookups, its date check and the prediction procedure, for any
// integers. The input is read as a series of 32-bit integers; each group of them is asked
// once as it stands and once folded near the span (so that both the far and the near values
// are reached). No lookup behaves undefined, an answer comes only for the span, and the
// engine's state (one for the whole input, as in a run of the program) stays consistent.
#include "FuzzSupport.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <cstring>

namespace {

using namespace std::chrono;
using kq::fuzz::Check;
namespace lm = modDurorurOzivurediRuvidevo;

class Reader
{
public:
    Reader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }
    bool more() const { return m_at < m_size; }
    int next()
    {
        std::int32_t value = 0;
        const std::size_t count = std::min(sizeof value, m_size - m_at);
        std::memcpy(&value, m_data + m_at, count);
        m_at += count;
        return value;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A value folded into [low - 2, high + 2].
int Near(int value, int low, int high)
{
    const long long width = static_cast<long long>(high) - low + 5;
    return static_cast<int>(low - 2 + ((static_cast<long long>(value) % width) + width) % width);
}

std::string Named(int y, int m, int d)
{
    return std::to_string(y) + "/" + std::to_string(m) + "/" + std::to_string(d);
}

bool InConceptionSpan(int year)
{
    return year >= kq::fuzz::FirstConceptionYear && year <= kq::fuzz::LastYear;
}

// The years of the program's own table, inside the span.
bool InTableYears(int year)
{
    return year >= kq::FirstConceptionListYear && year <= kq::LastListYear;
}

// The month in force on a day (any calendar), when the day exists in the span.
std::optional<lm::LunarMonthInForce> InForceOn(const year_month_day &date)
{
    return lm::LookUpLunarMonthInForce(static_cast<int>(date.year()),
        static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())));
}

// The date the three numbers name, when it exists (std::chrono's calendar).
std::optional<year_month_day> Existing(int y, int m, int d)
{
    if (y < -32767 || y > 32767 || m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    const year_month_day date {
        year {y}, month {static_cast<unsigned>(m)}, day {static_cast<unsigned>(d)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

void CheckLunarMonth(int y, int m, int d)
{
    const std::string where = Named(y, m, d);
    const auto number = lm::LookUpLunarMonth(y, m, d);
    const auto inForce = lm::LookUpLunarMonthInForce(y, m, d);
    const auto date = Existing(y, m, d);
    // The program's own table answers for its years; the one lookup for every day of the span,
    // from the table inside its years and from the extended calendar outside them.
    Check(number.has_value() == (date && InTableYears(y)),
        "the table answers exactly for the existing dates of its years", where);
    Check(inForce.has_value() == (date && InConceptionSpan(y)),
        "the lookup answers exactly for the existing dates of the span", where);
    if (!inForce)
        return;
    Check(inForce->number >= 1 && inForce->number <= 12, "a lunar month is 1 to 12", where);
    Check((inForce->calendar == lm::LunarCalendar::Classic) == InTableYears(y),
        "the table answers inside its years, the extended calendar outside", where);
    if (number)
        Check(inForce->number == *number, "both lookups give the same month", where);
    if (!inForce->start) {
        Check(y == kq::FirstConceptionListYear || y == kq::fuzz::FirstConceptionYear,
            "only a first month of a calendar has no known start", where);
        return;
    }
    const std::optional<year_month_day> start
        = inForce->start->ok() ? inForce->start : std::nullopt;
    Check(start.has_value(), "a month begins on an existing day", where);
    const auto before = (sys_days {*date} - sys_days {*start}).count();
    Check(before >= 0 && before < 60,
        "a month (with a leap month after it) began 0 to 59 days before", where);
    const auto onFirstDay = InForceOn(*start);
    if (onFirstDay && onFirstDay->calendar == inForce->calendar)
        Check(onFirstDay->number == inForce->number, "on its first day a month is in force", where);
    const auto onEve = InForceOn(year_month_day {sys_days {*start} - days {1}});
    if (onEve && onEve->calendar == inForce->calendar)
        Check(onEve->number != inForce->number,
            "the day before a month begins belongs to another month", where);
}

void CheckGender(int a, int m)
{
    const auto age = static_cast<std::int16_t>(a);
    const auto month = static_cast<std::int16_t>(m);
    const auto gender = lm::LookUpGender(age, month);
    const bool inChart = age >= 18 && age <= 45 && month >= 1 && month <= 12;
    Check(gender.has_value() == inChart,
        "the chart answers exactly for ages 18 to 45, months 1 to 12",
        std::to_string(age) + " " + std::to_string(month));
    if (gender)
        Check(*gender == kq::Gender::Boy || *gender == kq::Gender::Girl,
            "the chart says Boy or Girl");
}

void CheckDates(const kq::DateSelection &birth, const kq::DateSelection &conception)
{
    const auto failure = kq::CheckDateSelections(birth, conception);
    const auto gregorian = kq::CheckDateSelections(birth, conception, kq::LeapYearRule::Gregorian);
    for (const auto &f : {failure, gregorian})
        if (f)
            Check(*f >= kq::DateCheck::ConceptionLeapFebruary
                    && *f <= kq::DateCheck::BirthThirtyFirst,
                "a failed check is one of six");
    const auto listed = [](const kq::DateSelection &d, int firstYear, int lastYear) {
        return d.Year >= firstYear && d.Year <= lastYear && d.Month >= 1 && d.Month <= 12
            && d.Day >= 1 && d.Day <= 31;
    };
    const bool exist = Existing(birth.Year, birth.Month, birth.Day)
        && Existing(conception.Year, conception.Month, conception.Day);
    const std::string where = Named(birth.Year, birth.Month, birth.Day) + " "
        + Named(conception.Year, conception.Month, conception.Day);
    // By the Gregorian rule the check passes exactly the existing dates of the whole span.
    if (listed(birth, kq::fuzz::FirstBirthYear, kq::fuzz::LastYear)
        && listed(conception, kq::fuzz::FirstConceptionYear, kq::fuzz::LastYear))
        Check(!gregorian == exist, "the Gregorian date check passes exactly the existing dates",
            where);
    // In the main window's years, where every fourth year is a leap year, so does its rule.
    if (listed(birth, kq::FirstBirthListYear, kq::LastListYear)
        && listed(conception, kq::FirstConceptionListYear, kq::LastListYear))
        Check(!failure == exist, "the date check passes exactly the existing dates", where);
}

void CheckPrediction(kq::PredictionState &state, const kq::DateSelection &birth,
    const kq::DateSelection &conception, const year_month_day &now)
{
    const std::string where = Named(birth.Year, birth.Month, birth.Day) + " "
        + Named(conception.Year, conception.Month, conception.Day);
    const std::int16_t monthBefore = state.ConceptionLunarMonth;
    const kq::PredictionAnswer answer = state.PredictBabyGender(birth, conception, now);

    Check(answer.motherChineseAge == state.MotherChineseAge, "the answer shows the state's age",
        where);
    const bool inChart = state.MotherChineseAge >= 18 && state.MotherChineseAge <= 45;
    Check((answer.outcome == kq::PredictionOutcome::Predicted) == inChart,
        "a prediction exactly for an age of the chart", where);
    if (state.ConceptionLunarMonth != monthBefore)
        Check(InConceptionSpan(conception.Year), "the lunar month changes only inside the span",
            where);
    Check(state.ConceptionLunarMonth >= 0 && state.ConceptionLunarMonth <= 12,
        "the lunar month is 0 (none yet) to 12", where);
    if (answer.outcome != kq::PredictionOutcome::Predicted)
        return;
    Check(answer.lunarMonth.number == state.ConceptionLunarMonth,
        "the answer shows the state's lunar month", where);
    if (Existing(conception.Year, conception.Month, conception.Day)
        && InConceptionSpan(conception.Year))
        Check(answer.lunarMonth
                == *lm::LookUpLunarMonthInForce(conception.Year, conception.Month, conception.Day),
            "the lunar month of a date in the span is the calendar's, with its start", where);
    else
        Check(!answer.lunarMonth.start, "a month carried over has no start", where);
    Check(answer.newYearStep
            == (conception.Month > 2 || (conception.Month == 2 && conception.Day >= 21)),
        "the new-year step is taken from 21 February on", where);
    Check(answer.gender == kq::Gender::Boy || answer.gender == kq::Gender::Girl,
        "the gender is Boy or Girl", where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader in(data, size);
    kq::PredictionState state;
    const int first = kq::fuzz::FirstBirthYear;
    const int last = kq::fuzz::LastYear;
    while (in.more()) {
        const int y = in.next(), m = in.next(), d = in.next();
        CheckLunarMonth(y, m, d);
        CheckLunarMonth(
            Near(y, kq::fuzz::FirstConceptionYear, last), Near(m, 1, 12), Near(d, 1, 31));
        const int a = in.next(), b = in.next();
        CheckGender(a, b);
        CheckGender(Near(a, 18, 45), Near(b, 1, 12));

        const kq::DateSelection birth {in.next(), in.next(), in.next()};
        const kq::DateSelection conception {d, m, y};
        const int ny = in.next(), nm = in.next();
        const year_month_day now {year {Near(ny, first, last + 20)},
            month {static_cast<unsigned>(Near(nm, 1, 12))}, day {1}};
        CheckDates(birth, conception);
        CheckPrediction(state, birth, conception, now);
        const kq::DateSelection nearBirth {
            Near(birth.Day, 1, 31), Near(birth.Month, 1, 12), Near(birth.Year, first, last)};
        const kq::DateSelection nearConception {
            Near(d, 1, 31), Near(m, 1, 12), Near(y, kq::fuzz::FirstConceptionYear, last)};
        CheckDates(nearBirth, nearConception);
        CheckPrediction(state, nearBirth, nearConception, now);
    }
    return 0;
}
