// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the lunar-month table through the lookups the prediction uses: every day from 1960
// to 2012 against the calendar's published rows, the calendar's own invariants (month lengths,
// leap-month runs, starts per year and per Gregorian month, the turn of the year) and the
// dates where a mistyped start would show first.
#include "modDurorurOzivurediRuvidevo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace std::chrono;
namespace lm = modDurorurOzivurediRuvidevo;

namespace {

// The calendar's rows as published: year, the number in force on 1 January, the starts
// (MM-DD number). "07-09/10" names a start whose first day is open; the open day goes to the
// month that begins, so the start is the earlier day.
const char *const PublishedRows[] = {
    "1960 | 12 | 01-28 1, 02-27 2, 03-27 3, 04-26 4, 05-25 5, 06-24 6, 08-22 7, 09-21 8, 10-20 9, "
    "11-19 10, 12-18 11",
    "1961 | 11 | 01-17 12, 02-15 1, 03-17 2, 04-15 3, 05-15 4, 06-13 5, 07-13 6, 08-11 7, 09-10 8, "
    "10-10 9, 11-08 10, 12-08 11",
    "1962 | 11 | 01-06 12, 02-05 1, 03-06 2, 04-05 3, 05-04 4, 06-02 5, 07-02 6, 07-31 7, 08-30 8, "
    "09-29 9, 10-28 10, 11-27 11, 12-27 12",
    "1963 | 12 | 01-25 1, 02-24 2, 03-25 3, 04-24 4, 06-21 5, 07-21 6, 08-19 7, 09-18 8, 10-17 9, "
    "11-16 10, 12-16 11",
    "1964 | 11 | 01-15 12, 02-13 1, 03-14 2, 04-12 3, 05-12 4, 06-10 5, 07-09 6, 08-08 7, 09-06 8, "
    "10-06 9, 11-04 10, 12-04 11",
    "1965 | 11 | 01-03 12, 02-02 1, 03-03 2, 04-01 3, 05-01 4, 05-31 5, 06-29 6, 07-28 7, 08-27 8, "
    "09-25 9, 10-24 10, 11-23 11, 12-23 12",
    "1966 | 12 | 01-21 1, 02-20 2, 03-22 3, 05-20 4, 06-19 5, 07-18 6, 08-16 7, 09-15 8, 10-14 9, "
    "11-12 10, 12-12 11",
    "1967 | 11 | 01-11 12, 02-09 1, 03-11 2, 04-10 3, 05-09 4, 06-08 5, 07-08 6, 08-06 7, 09-04 8, "
    "10-04 9, 11-02 10, 12-02 11, 12-31 12",
    "1968 | 12 | 01-30 1, 02-28 2, 03-29 3, 04-27 4, 05-27 5, 06-26 6, 07-25 7, 09-22 8, 10-22 9, "
    "11-20 10, 12-20 11",
    "1969 | 11 | 01-18 12, 02-17 1, 03-18 2, 04-17 3, 05-16 4, 06-15 5, 07-14 6, 08-13 7, 09-12 8, "
    "10-11 9, 11-10 10, 12-09 11",
    "1970 | 11 | 01-08 12, 02-06 1, 03-08 2, 04-06 3, 05-05 4, 06-04 5, 07-03 6, 08-02 7, 09-01 8, "
    "09-30 9, 10-30 10, 11-29 11, 12-28 12",
    "1971 | 12 | 01-27 1, 02-25 2, 03-27 3, 04-25 4, 05-24 5, 07-22 6, 08-21 7, 09-19 8, 10-19 9, "
    "11-18 10, 12-18 11",
    "1972 | 11 | 01-16 12, 02-15 1, 03-15 2, 04-14 3, 05-13 4, 06-11 5, 07-11 6, 08-09 7, 09-08 8, "
    "10-07 9, 11-06 10, 12-06 11",
    "1973 | 11 | 01-04 12, 02-03 1, 03-05 2, 04-03 3, 05-03 4, 06-01 5, 06-30 6, 07-30 7, 08-28 8, "
    "09-26 9, 10-26 10, 11-25 11, 12-24 12",
    "1974 | 12 | 01-23 1, 02-22 2, 03-24 3, 04-22 4, 06-20 5, 07-19 6, 08-18 7, 09-16 8, 10-15 9, "
    "11-14 10, 12-14 11",
    "1975 | 11 | 01-12 12, 02-11 1, 03-13 2, 04-12 3, 05-11 4, 06-10 5, 07-09/10 6, 08-07 7, 09-06 "
    "8, 10-05 9, 11-03 10, 12-03 11",
    "1976 | 12 (begins 01-01) | 01-31 1, 03-01 2, 03-31 3, 04-29 4, 05-29 5, 06-27 6, 07-27 7, "
    "08-25 8, 10-23 9, 11-21 10, 12-21 11",
    "1977 | 11 | 01-19 12, 02-18 1, 03-20 2, 04-18 3, 05-18 4, 06-17 5, 07-16 6, 08-15 7, 09-13 8, "
    "10-13 9, 11-11 10, 12-11 11",
    "1978 | 11 | 01-09 12, 02-07 1, 03-09 2, 04-07 3, 05-07 4, 06-06 5, 07-05 6, 08-04 7, 09-03 8, "
    "10-02 9, 11-01 10, 11-30 11, 12-30 12",
    "1979 | 12 | 01-28 1, 02-27 2, 03-28 3, 04-26 4, 05-26 5, 06-24 6, 08-23 7, 09-21 8, 10-21 9, "
    "11-20 10, 12-19 11",
    "1980 | 11 | 01-18 12, 02-16 1, 03-17 2, 04-15 3, 05-14 4, 06-13 5, 07-12 6, 08-11 7, 09-09 8, "
    "10-09 9, 11-08 10, 12-07 11",
    "1981 | 11 | 01-06 12, 02-05 1, 03-06 2, 04-05 3, 05-04 4, 06-02 5, 07-02 6, 07-31 7, 08-29 8, "
    "09-28 9, 10-28 10, 11-26 11, 12-26 12",
    "1982 | 12 | 01-25 1, 02-24 2, 03-25 3, 04-24 4, 06-21 5, 07-21 6, 08-19 7, 09-17 8, 10-17/18 "
    "9, 11-15 10, 12-15 11",
    "1983 | 11 | 01-14 12, 02-13 1, 03-15 2, 04-13 3, 05-13/14 4, 06-11 5, 07-10 6, 08-09 7, 09-07 "
    "8, 10-06 9, 11-05 10, 12-04 11",
    "1984 | 11 | 01-03 12, 02-02 1, 03-03 2, 04-01 3, 05-01 4, 05-31 5, 06-29 6, 07-28 7, 08-27 8, "
    "09-25 9, 10-24 10, 12-22 11",
    "1985 | 11 | 01-21 12, 02-20 1, 03-21 2, 04-20 3, 05-20 4, 06-18/19 5, 07-18 6, 08-16 7, 09-15 "
    "8, 10-14 9, 11-12 10, 12-12 11",
    "1986 | 11 | 01-10 12, 02-09 1, 03-10 2, 04-09 3, 05-09 4, 06-07 5, 07-07 6, 08-06 7, 09-04 8, "
    "10-04 9, 11-02 10, 12-02 11, 12-31 12",
    "1987 | 12 | 01-29 1, 02-28 2, 03-29 3, 04-28 4, 05-27 5, 06-26 6, 08-24 7, 09-23 8, 10-23 9, "
    "11-21 10, 12-21 11",
    "1988 | 11 | 01-19 12, 02-17 1, 03-18 2, 04-16 3, 05-16 4, 06-14 5, 07-14 6, 08-12 7, 09-11 8, "
    "10-11 9, 11-09 10, 12-09 11",
    "1989 | 11 | 01-08 12, 02-06 1, 03-08 2, 04-06 3, 05-05 4, 06-04 5, 07-03 6, 08-02 7, 08-31 8, "
    "09-30 9, 10-29 10, 11-28 11, 12-28 12",
    "1990 | 12 | 01-27 1, 02-25 2, 03-27 3, 04-25/26 4, 05-24 5, 07-22 6, 08-20 7, 09-19 8, 10-18 "
    "9, 11-17 10, 12-17 11",
    "1991 | 11 | 01-16 12, 02-15 1, 03-16 2, 04-15 3, 05-14 4, 06-12 5, 07-12 6, 08-10 7, 09-08 8, "
    "10-08 9, 11-06 10, 12-06 11",
    "1992 | 11 | 01-05 12, 02-04 1, 03-04 2, 04-03 3, 05-03 4, 06-01 5, 06-30 6, 07-30 7, 08-28 8, "
    "09-26 9, 10-26 10, 11-24 11, 12-24 12",
    "1993 | 12 | 01-23 1, 02-21 2, 03-23 3, 05-21 4, 06-20 5, 07-19 6, 08-18 7, 09-16 8, 10-15 9, "
    "11-14 10, 12-13 11",
    "1994 | 11 | 01-12/13 12, 02-10 1, 03-12 2, 04-11 3, 05-11 4, 06-09 5, 07-09 6, 08-07 7, 09-06 "
    "8, 10-05 9, 11-03 10, 12-03 11",
    "1995 | 12 (begins 01-01) | 01-31 1, 03-01 2, 03-31 3, 04-30 4, 05-29 5, 06-28 6, 07-27 7, "
    "08-26 8, 10-24 9, 11-22 10, 12-22 11",
    "1996 | 11 | 01-20 12, 02-19/20 1, 03-19 2, 04-18 3, 05-17/18 4, 06-16 5, 07-16 6, 08-14 7, "
    "09-13 8, 10-12 9, 11-11 10, 12-11 11",
    "1997 | 11 | 01-09 12, 02-07 1, 03-09 2, 04-07 3, 05-07 4, 06-05 5, 07-05 6, 08-03 7, 09-02 8, "
    "10-02 9, 10-31 10, 11-30 11, 12-30 12",
    "1998 | 12 | 01-28 1, 02-27 2, 03-28 3, 04-26 4, 05-26 5, 07-23 6, 08-22 7, 09-21 8, 10-20 9, "
    "11-19 10, 12-19 11",
    "1999 | 11 | 01-17 12, 02-16 1, 03-18 2, 04-16 3, 05-15 4, 06-14 5, 07-13 6, 08-11 7, 09-10 8, "
    "10-09 9, 11-08 10, 12-08 11",
    "2000 | 11 | 01-07 12, 02-05 1, 03-06 2, 04-05 3, 05-04 4, 06-02 5, 07-02 6, 07-31 7, 08-29 8, "
    "09-28 9, 10-27 10, 11-26 11, 12-26 12",
    "2001 | 12 | 01-24 1, 02-23 2, 03-25 3, 04-23 4, 06-21 5, 07-21 6, 08-19 7, 09-17 8, 10-17 9, "
    "11-15 10, 12-15 11",
    "2002 | 11 | 01-13 12, 02-12 1, 03-14 2, 04-13 3, 05-12 4, 06-11 5, 07-10 6, 08-09 7, 09-07 8, "
    "10-06 9, 11-05 10, 12-04 11",
    "2003 | 11 | 01-03 12, 02-01 1, 03-03 2, 04-02 3, 05-01 4, 05-31 5, 06-30 6, 07-29 7, 08-28 8, "
    "09-26 9, 10-25 10, 11-24 11, 12-23 12",
    "2004 | 12 | 01-22 1, 02-20 2, 04-19 3, 05-19 4, 06-18 5, 07-17 6, 08-16 7, 09-14 8, 10-14 9, "
    "11-12 10, 12-12 11",
    "2005 | 11 | 01-10 12, 02-09 1, 03-10 2, 04-09 3, 05-08 4, 06-07 5, 07-06 6, 08-05 7, 09-04 8, "
    "10-03 9, 11-02 10, 12-01 11, 12-31 12",
    "2006 | 12 | 01-29 1, 02-28 2, 03-29 3, 04-28 4, 05-27 5, 06-26 6, 07-25 7, 09-22 8, 10-22 9, "
    "11-21 10, 12-20 11",
    "2007 | 11 | 01-19 12, 02-18 1, 03-19 2, 04-17 3, 05-17 4, 06-15 5, 07-14 6, 08-13 7, 09-11 8, "
    "10-11 9, 11-10 10, 12-10 11",
    "2008 | 11 | 01-08 12, 02-07 1, 03-08 2, 04-06 3, 05-05 4, 06-04 5, 07-03 6, 08-01 7, 08-31 8, "
    "09-29 9, 10-29 10, 11-28 11, 12-27 12",
    "2009 | 12 | 01-26 1, 02-25 2, 03-27 3, 04-25 4, 05-24 5, 07-22 6, 08-20 7, 09-19 8, 10-18 9, "
    "11-17 10, 12-16 11",
    "2010 | 11 | 01-15 12, 02-14 1, 03-16 2, 04-14 3, 05-14 4, 06-12 5, 07-12 6, 08-10 7, 09-08 8, "
    "10-08 9, 11-06 10, 12-06 11",
    "2011 | 11 | 01-04 12, 02-03 1, 03-05 2, 04-03 3, 05-03 4, 06-02 5, 07-01 6, 07-31 7, 08-29 8, "
    "09-27 9, 10-27 10, 11-25 11, 12-25 12",
    "2012 | 12 | 01-23 1, 02-22 2, 03-22 3, 04-21 4, 06-19 5, 07-19 6, 08-17 7, 09-16 8, 10-15 9, "
    "11-14 10, 12-13 11",
};

struct Start
{
    year_month_day date;
    int number = 0;
    friend bool operator==(const Start &, const Start &) = default;
};

struct PublishedYear
{
    int year = 0;
    int numberOnFirstJanuary = 0;
    std::vector<Start> starts;
    std::vector<year_month_day> openDays;
};

year_month_day ymd(int y, int m, int d)
{
    return year {y} / month {static_cast<unsigned>(m)} / day {static_cast<unsigned>(d)};
}

std::string text(const year_month_day &date)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

std::vector<PublishedYear> parsePublishedRows()
{
    std::vector<PublishedYear> years;
    for (const char *row : PublishedRows) {
        PublishedYear parsed;
        const std::string line = row;
        int consumed = 0;
        if (std::sscanf(
                line.c_str(), "%d | %d%n", &parsed.year, &parsed.numberOnFirstJanuary, &consumed)
            != 2)
            ADD_FAILURE() << "unreadable row: " << line;
        if (line.find("(begins 01-01)") != std::string::npos)
            parsed.starts.push_back({ymd(parsed.year, 1, 1), parsed.numberOnFirstJanuary});
        std::size_t at = line.find('|', line.find('|') + 1) + 1;
        while (at < line.size()) {
            int m = 0, d = 0, secondDay = 0, number = 0, n = 0;
            const char *item = line.c_str() + at;
            if (std::sscanf(item, " %d-%d/%d %d%n", &m, &d, &secondDay, &number, &n) == 4) {
                parsed.openDays.push_back(ymd(parsed.year, m, d));
            } else if (std::sscanf(item, " %d-%d %d%n", &m, &d, &number, &n) != 3) {
                ADD_FAILURE() << "unreadable start in: " << line;
                break;
            }
            parsed.starts.push_back({ymd(parsed.year, m, d), number});
            at += static_cast<std::size_t>(n);
            if (at < line.size() && line[at] == ',')
                ++at;
        }
        years.push_back(parsed);
    }
    return years;
}

const std::vector<PublishedYear> &published()
{
    static const std::vector<PublishedYear> years = parsePublishedRows();
    return years;
}

int lookUp(const year_month_day &date)
{
    const auto number = lm::LookUpLunarMonth(static_cast<int>(date.year()),
        static_cast<int>(static_cast<unsigned>(date.month())),
        static_cast<int>(static_cast<unsigned>(date.day())));
    return number ? *number : -1;
}

// Every day of the span with the lookup's answer, and the days on which the answer changes:
// the starts as the program sees them.
struct Walk
{
    std::map<sys_days, int> numberOn;
    std::vector<Start> starts;
};

const Walk &walk()
{
    static const Walk result = [] {
        Walk w;
        int before = 0;
        for (sys_days d = sys_days {ymd(1960, 1, 1)}; d <= sys_days {ymd(2012, 12, 31)};
             d += days {1}) {
            const int number = lookUp(year_month_day {d});
            w.numberOn[d] = number;
            if (before != 0 && number != before)
                w.starts.push_back({year_month_day {d}, number});
            before = number;
        }
        return w;
    }();
    return result;
}

std::vector<Start> allPublishedStarts()
{
    std::vector<Start> starts;
    for (const PublishedYear &y : published())
        starts.insert(starts.end(), y.starts.begin(), y.starts.end());
    return starts;
}

} // namespace

TEST(LunarMonthTable, PublishedRowsCoverEveryYearOnce)
{
    ASSERT_EQ(published().size(), 53u);
    for (std::size_t i = 0; i < published().size(); ++i)
        EXPECT_EQ(published()[i].year, 1960 + static_cast<int>(i));
}

// The lookup, walked day by day, changes its answer exactly on the published starts and
// nowhere else, and answers the published number on 1 January of every year.
TEST(LunarMonthTable, EveryDayOfTheSpanFollowsThePublishedRows)
{
    const std::vector<Start> expected = allPublishedStarts();
    const std::vector<Start> &actual = walk().starts;
    std::size_t e = 0, a = 0;
    while (e < expected.size() || a < actual.size()) {
        if (a == actual.size()
            || (e < expected.size() && sys_days {expected[e].date} < sys_days {actual[a].date})) {
            ADD_FAILURE() << "no start on " << text(expected[e].date) << " (month "
                          << expected[e].number << ")";
            ++e;
        } else if (e == expected.size()
            || sys_days {actual[a].date} < sys_days {expected[e].date}) {
            ADD_FAILURE() << "unexpected start on " << text(actual[a].date) << " (month "
                          << actual[a].number << ")";
            ++a;
        } else {
            EXPECT_EQ(actual[a].number, expected[e].number) << text(expected[e].date);
            ++e;
            ++a;
        }
    }
    for (const PublishedYear &y : published())
        EXPECT_EQ(lookUp(ymd(y.year, 1, 1)), y.numberOnFirstJanuary) << y.year;
}

// The table the program holds, row by row, against the published rows.
TEST(LunarMonthTable, HeldRowsEqualThePublishedRows)
{
    ASSERT_EQ(lm::LunarMonthTable.size(), published().size());
    for (std::size_t i = 0; i < published().size(); ++i) {
        const lm::LunarYear &held = lm::LunarMonthTable[i];
        const PublishedYear &expected = published()[i];
        EXPECT_EQ(held.year, expected.year);
        EXPECT_EQ(held.numberOnFirstJanuary, expected.numberOnFirstJanuary) << expected.year;
        ASSERT_EQ(held.startCount, expected.starts.size()) << expected.year;
        for (std::size_t s = 0; s < held.startCount; ++s) {
            const Start heldStart {
                ymd(held.year, held.starts[s].month, held.starts[s].day), held.starts[s].number};
            EXPECT_EQ(heldStart, expected.starts[s]) << expected.year << " start " << s;
        }
    }
}

// Every month lasts 29 or 30 days; a month followed by a leap month stays in force 58 to 60
// days, and there are exactly the 20 listed runs. The first and last months of the span are
// cut off by its ends and are not measured.
TEST(LunarMonthTable, MonthsLast29Or30DaysAndLeapMonthRuns58To60)
{
    const std::set<std::pair<std::string, int>> listedRuns = {
        {"1960-06-24", 6},
        {"1963-04-24", 4},
        {"1966-03-22", 3},
        {"1968-07-25", 7},
        {"1971-05-24", 5},
        {"1974-04-22", 4},
        {"1976-08-25", 8},
        {"1979-06-24", 6},
        {"1982-04-24", 4},
        {"1984-10-24", 10},
        {"1987-06-26", 6},
        {"1990-05-24", 5},
        {"1993-03-23", 3},
        {"1995-08-26", 8},
        {"1998-05-26", 5},
        {"2001-04-23", 4},
        {"2004-02-20", 2},
        {"2006-07-25", 7},
        {"2009-05-24", 5},
        {"2012-04-21", 4},
    };
    std::set<std::pair<std::string, int>> runs;
    const std::vector<Start> &starts = walk().starts;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const auto length = (sys_days {starts[i + 1].date} - sys_days {starts[i].date}).count();
        if (length >= 58 && length <= 60)
            runs.insert({text(starts[i].date), starts[i].number});
        else
            EXPECT_TRUE(length == 29 || length == 30)
                << "month " << starts[i].number << " from " << text(starts[i].date) << " lasts "
                << length << " days";
    }
    EXPECT_EQ(runs, listedRuns);
}

TEST(LunarMonthTable, NumbersAdvanceByOneModulo12)
{
    int before = lookUp(ymd(1960, 1, 1));
    for (const Start &start : walk().starts) {
        EXPECT_EQ(start.number, before % 12 + 1) << text(start.date);
        before = start.number;
    }
}

TEST(LunarMonthTable, EachYearHolds11To13Starts)
{
    std::map<int, int> perYear;
    for (const Start &start : walk().starts)
        ++perYear[static_cast<int>(start.date.year())];
    for (int y = 1960; y <= 2012; ++y) {
        EXPECT_GE(perYear[y], 11) << y;
        EXPECT_LE(perYear[y], 13) << y;
    }
}

// 22 Gregorian months hold no start (20 inside leap-month runs, February 1976 and February
// 1995 inside month 1); 21 hold two, one on day 1 or 2 and the next on day 30 or 31.
TEST(LunarMonthTable, GregorianMonthsWithNoStartOrTwoStarts)
{
    std::map<std::pair<int, unsigned>, std::vector<unsigned>> startDays;
    for (const Start &start : walk().starts)
        startDays[{static_cast<int>(start.date.year()), static_cast<unsigned>(start.date.month())}]
            .push_back(static_cast<unsigned>(start.date.day()));

    int withNone = 0, withTwo = 0;
    std::set<std::pair<int, unsigned>> februariesInsideMonthOne;
    for (int y = 1960; y <= 2012; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            const auto found = startDays.find({y, m});
            const std::size_t count = found == startDays.end() ? 0 : found->second.size();
            EXPECT_LE(count, 2u) << y << "-" << m;
            if (count == 0) {
                ++withNone;
                // Inside a leap-month run unless it is one of the two Februaries.
                const int number = lookUp(ymd(y, static_cast<int>(m), 1));
                if (m == 2 && number == 1)
                    februariesInsideMonthOne.insert({y, m});
            } else if (count == 2) {
                ++withTwo;
                const std::vector<unsigned> &d = found->second;
                EXPECT_TRUE(d[0] == 1 || d[0] == 2) << y << "-" << m;
                EXPECT_TRUE(d[1] == 30 || d[1] == 31) << y << "-" << m;
            }
        }
    }
    EXPECT_EQ(withNone, 22);
    EXPECT_EQ(withTwo, 21);
    EXPECT_EQ(
        februariesInsideMonthOne, (std::set<std::pair<int, unsigned>> {{1976, 2u}, {1995, 2u}}));
}

// The number in force on 1 January continues from 31 December, except in 1976 and 1995,
// where month 12 begins on 1 January itself.
TEST(LunarMonthTable, FirstJanuaryContinuesFromThirtyFirstDecember)
{
    for (int y = 1961; y <= 2012; ++y) {
        if (y == 1976 || y == 1995) {
            EXPECT_EQ(lookUp(ymd(y - 1, 12, 31)), 11) << y;
            EXPECT_EQ(lookUp(ymd(y, 1, 1)), 12) << y;
        } else {
            EXPECT_EQ(lookUp(ymd(y, 1, 1)), lookUp(ymd(y - 1, 12, 31))) << y;
        }
    }
}

// The eight starts printed with two days: the open first day belongs to the month that begins,
// so every month around them lasts 29 or 30 days.
TEST(LunarMonthTable, OpenDaysBelongToTheMonthThatBegins)
{
    std::vector<year_month_day> openDays;
    for (const PublishedYear &y : published())
        openDays.insert(openDays.end(), y.openDays.begin(), y.openDays.end());
    ASSERT_EQ(openDays.size(), 8u);
    for (const year_month_day &open : openDays) {
        const int before = lookUp(year_month_day {sys_days {open} - days {1}});
        EXPECT_EQ(lookUp(open), before % 12 + 1) << text(open);
        EXPECT_EQ(lookUp(year_month_day {sys_days {open} + days {1}}), lookUp(open)) << text(open);
    }
}

namespace {

struct LookUpCase
{
    const char *name;
    int year, month, day;
    int expected; // -1: no value
};

std::ostream &operator<<(std::ostream &os, const LookUpCase &c)
{
    return os << c.name;
}

class LunarMonthLookUp : public testing::TestWithParam<LookUpCase>
{
};

const LookUpCase LookUpCases[] = {
    {"SpanStarts", 1960, 1, 1, 12},
    {"DayBeforeFirstStart", 1960, 1, 27, 12},
    {"FirstStart", 1960, 1, 28, 1},
    {"DayBeforeLastStart", 2012, 12, 12, 10},
    {"LastStart", 2012, 12, 13, 11},
    {"SpanEnds", 2012, 12, 31, 11},
    {"DayBeforeSpan", 1959, 12, 31, -1},
    {"DayAfterSpan", 2013, 1, 1, -1},
    {"No30February", 1961, 2, 30, -1},
    {"No29FebruaryInCommonYear", 1961, 2, 29, -1},
    {"No31April", 1990, 4, 31, -1},
    {"NoMonth13", 1990, 13, 1, -1},
    {"NoDay0", 1990, 5, 0, -1},
    {"LeapRun1960Begins", 1960, 6, 24, 6},
    {"LeapRun1960Middle", 1960, 7, 24, 6},
    {"LeapRun1960LastDay", 1960, 8, 21, 6},
    {"LeapRun1960Ends", 1960, 8, 22, 7},
    {"LeapRun1993Begins", 1993, 3, 23, 3},
    {"LeapRun1993Middle", 1993, 4, 22, 3},
    {"LeapRun1993LastDay", 1993, 5, 20, 3},
    {"LeapRun1993Ends", 1993, 5, 21, 4},
    {"LeapRun1974Middle", 1974, 5, 1, 4},
    {"LeapRun1974LastDay", 1974, 6, 19, 4},
    {"LeapRun1974Ends", 1974, 6, 20, 5},
    {"TwoStartsBefore", 1962, 7, 1, 5},
    {"TwoStartsFirst", 1962, 7, 2, 6},
    {"TwoStartsBetween", 1962, 7, 30, 6},
    {"TwoStartsSecond", 1962, 7, 31, 7},
    {"Before1976NewYearStart", 1975, 12, 31, 11},
    {"Start1976OnFirstJanuary", 1976, 1, 1, 12},
    {"Before1995NewYearStart", 1994, 12, 31, 11},
    {"Start1995OnFirstJanuary", 1995, 1, 1, 12},
    {"AcrossTurnOfYear1960", 1960, 12, 31, 11},
    {"AcrossTurnOfYear1961", 1961, 1, 1, 11},
    {"AcrossTurnOfYearNextStart", 1961, 1, 17, 12},
    {"BeforeStartOn31December", 1967, 12, 30, 11},
    {"StartOn31December", 1967, 12, 31, 12},
    {"AfterStartOn31December", 1968, 1, 1, 12},
    {"NextAfterStartOn31December", 1968, 1, 30, 1},
    {"StartOn28February1968", 1968, 2, 28, 2},
    {"LeapDay1968", 1968, 2, 29, 2},
    {"LeapDay1976", 1976, 2, 29, 1},
    {"AfterLeapDay1976", 1976, 3, 1, 2},
    {"LeapDay2008", 2008, 2, 29, 1},
    {"Consecutive1994Sep", 1994, 9, 6, 8},
    {"Consecutive1994Oct", 1994, 10, 5, 9},
    {"Consecutive1994Nov", 1994, 11, 3, 10},
    {"Consecutive1994Dec", 1994, 12, 3, 11},
    // No list position names these: no month, and no overflow in the lookup (found by fuzzing).
    {"MonthZero", 1980, 0, 1, -1},
    {"MonthThirteen", 1980, 13, 1, -1},
    {"DayZero", 1980, 5, 0, -1},
    {"DayThirtyTwo", 1980, 5, 32, -1},
    {"LargestMonth", 1980, std::numeric_limits<int>::max(), 1, -1},
    {"LargestDay", 2000, 12, std::numeric_limits<int>::max(), -1},
};

} // namespace

TEST_P(LunarMonthLookUp, GivesTheMonthInForce)
{
    const LookUpCase &c = GetParam();
    const auto number = lm::LookUpLunarMonth(c.year, c.month, c.day);
    if (c.expected < 0)
        EXPECT_FALSE(number.has_value());
    else
        EXPECT_EQ(number, std::optional<std::int16_t>(static_cast<std::int16_t>(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(EdgeDates, LunarMonthLookUp, testing::ValuesIn(LookUpCases),
    [](const testing::TestParamInfo<LookUpCase> &info) { return std::string(info.param.name); });

// The month in force and the day it began, as the command line's explanation shows them:
// for every day, the start is the latest day on or before it on which the lookup changed, and
// the program's own table answers.
TEST(LunarMonthInForce, NamesTheLatestStartForEveryDay)
{
    std::set<sys_days> startDays;
    for (const Start &s : walk().starts)
        startDays.insert(sys_days {s.date});
    std::optional<year_month_day> latestStart;
    for (const auto &[d, number] : walk().numberOn) {
        const year_month_day date {d};
        if (startDays.count(d))
            latestStart = date;
        const auto inForce = lm::LookUpLunarMonthInForce(static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())));
        ASSERT_TRUE(inForce.has_value()) << text(date);
        EXPECT_EQ(inForce->number, number) << text(date);
        EXPECT_EQ(inForce->calendar, lm::LunarCalendar::Classic) << text(date);
        ASSERT_EQ(inForce->startKnown, latestStart.has_value()) << text(date);
        if (latestStart) {
            EXPECT_EQ(ymd(inForce->startYear, inForce->startMonth, inForce->startDay), *latestStart)
                << text(date);
        }
    }
}
