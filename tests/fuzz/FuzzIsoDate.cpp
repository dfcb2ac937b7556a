// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fuzz target: the dates of kq-predict's command line. The input is one date text. A date is
// accepted exactly when it is written YYYY-MM-DD, exists, and lies in the span of its list;
// an accepted date prints back to the same text. The first bytes also name a day, which must
// be accepted when written out, so that "exactly" is checked from both sides.
#include "FuzzSupport.h"
#include "IsoDate.h"
#include "Predictor.h"

#include <cstring>

namespace {

using namespace std::chrono;
using kq::fuzz::Check;

std::string Written(const year_month_day &date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// The parsers and the two lists for one text.
void CheckText(const std::string &text)
{
    const std::string where = kq::fuzz::Hex(text);
    const auto canonical = kq::fuzz::CanonicalDate(text);

    // The calendar date of --today: any existing date from year 0000 to 9999.
    const auto calendar = kq::cli::ParseCalendarDate(text);
    if (calendar) {
        Check(calendar->ok(), "an accepted calendar date exists", where);
        Check(
            Written(*calendar) == text, "an accepted calendar date prints back to its text", where);
    } else {
        Check(!canonical, "every existing date written YYYY-MM-DD is accepted", where);
    }

    // The list selection: as the calendar date, except that any day 01 to 31 passes.
    const auto selection = kq::cli::ParseIsoDate(text);
    if (selection) {
        Check(kq::cli::FormatIsoDate(*selection).toStdString() == text,
            "an accepted selection prints back to its text", where);
        Check(selection->Month >= 1 && selection->Month <= 12 && selection->Day >= 1
                && selection->Day <= 31,
            "an accepted selection is a position of the lists", where);
    }
    Check(!calendar || selection, "a calendar date is also a selection", where);

    // The conception list (--lunar-month): exactly the existing dates of the span.
    const kq::cli::LunarMonthReply month = kq::cli::Predictor::lunarMonth(text);
    const bool conceptionInSpan = canonical
        && kq::fuzz::YearOf(*canonical) >= kq::fuzz::FirstConceptionYear
        && kq::fuzz::YearOf(*canonical) <= kq::fuzz::LastYear;
    Check(!month.rejection == conceptionInSpan,
        "a conception date is accepted exactly when it exists and lies in the span", where);
    if (conceptionInSpan) {
        Check(kq::cli::FormatIsoDate(kq::CalendarDateOf(month.date)).toStdString() == text,
            "an accepted conception date prints back to its text", where);
        Check(month.month.number >= 1 && month.month.number <= 12,
            "the lunar month of an accepted date is 1 to 12", where);
    }

    // The birth list, with a conception date that is always accepted.
    kq::cli::Predictor births(year {2009} / December / day {1});
    const kq::cli::Reply birth = births.predict(text, "2008-06-15");
    const bool birthInSpan
        = canonical && kq::fuzz::BirthYearAccepted(kq::fuzz::YearOf(*canonical), 2008);
    const bool accepted = !birth.rejection;
    Check(accepted == birthInSpan,
        "a birth date is accepted exactly when it exists and lies in the span", where);
    if (birthInSpan)
        Check(kq::cli::FormatIsoDate(kq::CalendarDateOf(birth.birth)).toStdString() == text,
            "an accepted birth date prints back to its text", where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CheckText(std::string(reinterpret_cast<const char *>(data), size));

    // A day named by the first four bytes, from 0000-01-01 on, written out: always accepted.
    std::uint32_t offset = 0;
    std::memcpy(&offset, data, std::min<std::size_t>(size, sizeof offset));
    constexpr year_month_day first = year {0} / January / day {1};
    constexpr int daysToTheEndOf9999
        = (sys_days {year {9999} / December / day {31}} - sys_days {first}).count();
    const year_month_day named {
        sys_days {first} + days {static_cast<int>(offset % (daysToTheEndOf9999 + 1))}};
    const std::string text = Written(named);
    const auto calendar = kq::cli::ParseCalendarDate(text);
    Check(calendar && *calendar == named, "every existing date of years 0 to 9999 is read back",
        text);
    if (kq::fuzz::YearOf(named) > 0)
        CheckText(text);
    return 0;
}
