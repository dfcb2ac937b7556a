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
    if (number) {
        Check(InConceptionSpan(y), "a lunar month only inside the span", where);
        Check(*number >= 1 && *number <= 12, "a lunar month is 1 to 12", where);
    }
    if (date && InConceptionSpan(y))
        Check(number.has_value(), "every existing date of the span has its lunar month", where);
    Check(
        inForce.has_value() == number.has_value(), "both lookups answer for the same dates", where);
    if (!inForce || !date)
        return;
    Check(inForce->number == *number, "both lookups give the same month", where);
    if (!inForce->startKnown) {
        Check(sys_days {*date} < sys_days {year {kq::fuzz::FirstConceptionYear} / March / day {1}},
            "only the first month of the table has no known start", where);
        return;
    }
    const auto start = Existing(inForce->startYear, inForce->startMonth, inForce->startDay);
    Check(start.has_value(), "a month begins on an existing day", where);
    const auto before = (sys_days {*date} - sys_days {*start}).count();
    Check(before >= 0 && before < 60,
        "a month (with a leap month after it) began 0 to 59 days before", where);
    Check(lm::LookUpLunarMonth(inForce->startYear, inForce->startMonth, inForce->startDay)
            == inForce->number,
        "on its first day a month is in force", where);
    const year_month_day eve {sys_days {*start} - days {1}};
    const int eveYear = static_cast<int>(eve.year());
    if (InConceptionSpan(eveYear))
        Check(lm::LookUpLunarMonth(eveYear, static_cast<int>(static_cast<unsigned>(eve.month())),
                  static_cast<int>(static_cast<unsigned>(eve.day())))
                != inForce->number,
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
        Check(*gender == "Boy" || *gender == "Girl", "the chart says Boy or Girl");
}

void CheckDates(const kq::DateSelection &birth, const kq::DateSelection &conception)
{
    const auto failure = kq::CheckDateSelections(birth, conception);
    if (failure)
        Check(failure->check >= 1 && failure->check <= 6 && !failure->message.empty(),
            "a failed check is one of six, with its message");
    // Inside the span, where every fourth year is a leap year, the check passes exactly the
    // existing dates of the list positions.
    const auto listed = [](const kq::DateSelection &d, int firstYear) {
        return d.Year >= firstYear && d.Year <= kq::fuzz::LastYear && d.Month >= 1 && d.Month <= 12
            && d.Day >= 1 && d.Day <= 31;
    };
    if (listed(birth, kq::fuzz::FirstBirthYear)
        && listed(conception, kq::fuzz::FirstConceptionYear)) {
        const bool exist = Existing(birth.Year, birth.Month, birth.Day)
            && Existing(conception.Year, conception.Month, conception.Day);
        Check(!failure == exist, "the date check passes exactly the existing dates",
            Named(birth.Year, birth.Month, birth.Day) + " "
                + Named(conception.Year, conception.Month, conception.Day));
    }
}

void CheckPrediction(kq::PredictionState &state, const kq::DateSelection &birth,
    const kq::DateSelection &conception, const year_month_day &now)
{
    const std::string where = Named(birth.Year, birth.Month, birth.Day) + " "
        + Named(conception.Year, conception.Month, conception.Day);
    const std::int16_t monthBefore = state.ConceptionLunarMonth;
    const kq::PredictionResult result = state.PredictBabyGender(birth, conception, now);

    Check(result.MotherChineseAge == state.MotherChineseAge, "the result shows the state's age",
        where);
    const bool inChart = state.MotherChineseAge >= 18 && state.MotherChineseAge <= 45;
    Check((result.Outcome == kq::PredictionOutcome::Predicted) == inChart,
        "a prediction exactly for an age of the chart", where);
    if (state.ConceptionLunarMonth != monthBefore)
        Check(InConceptionSpan(conception.Year), "the lunar month changes only inside the span",
            where);
    Check(state.ConceptionLunarMonth >= 0 && state.ConceptionLunarMonth <= 12,
        "the lunar month is 0 (none yet) to 12", where);
    if (result.Outcome != kq::PredictionOutcome::Predicted)
        return;
    Check(result.ConceptionLunarMonth == state.ConceptionLunarMonth,
        "the result shows the state's lunar month", where);
    if (Existing(conception.Year, conception.Month, conception.Day)
        && InConceptionSpan(conception.Year))
        Check(result.ConceptionLunarMonth
                == lm::LookUpLunarMonth(conception.Year, conception.Month, conception.Day),
            "the lunar month of a date in the span is the table's", where);
    const bool boy = result.Gender == "Boy";
    Check(boy || result.Gender == "Girl", "the gender is Boy or Girl", where);
    Check(result.BabyColour == (boy ? kq::BoyColour : kq::GirlColour)
            && result.BabyColourName == (boy ? "Blue" : "Pink"),
        "the colour goes with the gender", where);
    Check(result.CongratulationMessage == kq::FewerThanNineMonthsText
            || result.CongratulationMessage == kq::NineMonthsOrMoreText,
        "the congratulation line is one of two", where);
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
