// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The fixed reference data of the prediction: the table of the days on which Chinese lunar
// months begin (1960 to 2012), the official calendar that extends it (1901 to 2099) and the
// gender chart (mother's Chinese age 18 to 45 by lunar month 1 to 12), with their lookups.
// Pure data and pure functions: no I/O, no Qt.
#pragma once

#include "ChartSpan.h"
#include "ExtendedLunarMonthTable.h"
#include "Gender.h"
#include "LunarCalendar.h"
#include "LunarMonthInForce.h"
#include "LunarYear.h"

#include <array>
#include <cstdint>
#include <optional>

namespace modDurorurOzivurediRuvidevo {

// Where the calendar gives a new month's first day as one of two days (1975-07-09/10 and
// seven more), the earlier day is taken as the start: every month then lasts 29 or 30 days.
// In 1976 and 1995 month 12 begins on 1 January itself.
inline constexpr std::array<LunarYear, 53> LunarMonthTable = {{
    LunarYear {1960, 12, 11,
        {{{1, 28, 1}, {2, 27, 2}, {3, 27, 3}, {4, 26, 4}, {5, 25, 5}, {6, 24, 6}, {8, 22, 7},
            {9, 21, 8}, {10, 20, 9}, {11, 19, 10}, {12, 18, 11}}}},
    LunarYear {1961, 11, 12,
        {{{1, 17, 12}, {2, 15, 1}, {3, 17, 2}, {4, 15, 3}, {5, 15, 4}, {6, 13, 5}, {7, 13, 6},
            {8, 11, 7}, {9, 10, 8}, {10, 10, 9}, {11, 8, 10}, {12, 8, 11}}}},
    LunarYear {1962, 11, 13,
        {{{1, 6, 12}, {2, 5, 1}, {3, 6, 2}, {4, 5, 3}, {5, 4, 4}, {6, 2, 5}, {7, 2, 6}, {7, 31, 7},
            {8, 30, 8}, {9, 29, 9}, {10, 28, 10}, {11, 27, 11}, {12, 27, 12}}}},
    LunarYear {1963, 12, 11,
        {{{1, 25, 1}, {2, 24, 2}, {3, 25, 3}, {4, 24, 4}, {6, 21, 5}, {7, 21, 6}, {8, 19, 7},
            {9, 18, 8}, {10, 17, 9}, {11, 16, 10}, {12, 16, 11}}}},
    LunarYear {1964, 11, 12,
        {{{1, 15, 12}, {2, 13, 1}, {3, 14, 2}, {4, 12, 3}, {5, 12, 4}, {6, 10, 5}, {7, 9, 6},
            {8, 8, 7}, {9, 6, 8}, {10, 6, 9}, {11, 4, 10}, {12, 4, 11}}}},
    LunarYear {1965, 11, 13,
        {{{1, 3, 12}, {2, 2, 1}, {3, 3, 2}, {4, 1, 3}, {5, 1, 4}, {5, 31, 5}, {6, 29, 6},
            {7, 28, 7}, {8, 27, 8}, {9, 25, 9}, {10, 24, 10}, {11, 23, 11}, {12, 23, 12}}}},
    LunarYear {1966, 12, 11,
        {{{1, 21, 1}, {2, 20, 2}, {3, 22, 3}, {5, 20, 4}, {6, 19, 5}, {7, 18, 6}, {8, 16, 7},
            {9, 15, 8}, {10, 14, 9}, {11, 12, 10}, {12, 12, 11}}}},
    LunarYear {1967, 11, 13,
        {{{1, 11, 12}, {2, 9, 1}, {3, 11, 2}, {4, 10, 3}, {5, 9, 4}, {6, 8, 5}, {7, 8, 6},
            {8, 6, 7}, {9, 4, 8}, {10, 4, 9}, {11, 2, 10}, {12, 2, 11}, {12, 31, 12}}}},
    LunarYear {1968, 12, 11,
        {{{1, 30, 1}, {2, 28, 2}, {3, 29, 3}, {4, 27, 4}, {5, 27, 5}, {6, 26, 6}, {7, 25, 7},
            {9, 22, 8}, {10, 22, 9}, {11, 20, 10}, {12, 20, 11}}}},
    LunarYear {1969, 11, 12,
        {{{1, 18, 12}, {2, 17, 1}, {3, 18, 2}, {4, 17, 3}, {5, 16, 4}, {6, 15, 5}, {7, 14, 6},
            {8, 13, 7}, {9, 12, 8}, {10, 11, 9}, {11, 10, 10}, {12, 9, 11}}}},
    LunarYear {1970, 11, 13,
        {{{1, 8, 12}, {2, 6, 1}, {3, 8, 2}, {4, 6, 3}, {5, 5, 4}, {6, 4, 5}, {7, 3, 6}, {8, 2, 7},
            {9, 1, 8}, {9, 30, 9}, {10, 30, 10}, {11, 29, 11}, {12, 28, 12}}}},
    LunarYear {1971, 12, 11,
        {{{1, 27, 1}, {2, 25, 2}, {3, 27, 3}, {4, 25, 4}, {5, 24, 5}, {7, 22, 6}, {8, 21, 7},
            {9, 19, 8}, {10, 19, 9}, {11, 18, 10}, {12, 18, 11}}}},
    LunarYear {1972, 11, 12,
        {{{1, 16, 12}, {2, 15, 1}, {3, 15, 2}, {4, 14, 3}, {5, 13, 4}, {6, 11, 5}, {7, 11, 6},
            {8, 9, 7}, {9, 8, 8}, {10, 7, 9}, {11, 6, 10}, {12, 6, 11}}}},
    LunarYear {1973, 11, 13,
        {{{1, 4, 12}, {2, 3, 1}, {3, 5, 2}, {4, 3, 3}, {5, 3, 4}, {6, 1, 5}, {6, 30, 6}, {7, 30, 7},
            {8, 28, 8}, {9, 26, 9}, {10, 26, 10}, {11, 25, 11}, {12, 24, 12}}}},
    LunarYear {1974, 12, 11,
        {{{1, 23, 1}, {2, 22, 2}, {3, 24, 3}, {4, 22, 4}, {6, 20, 5}, {7, 19, 6}, {8, 18, 7},
            {9, 16, 8}, {10, 15, 9}, {11, 14, 10}, {12, 14, 11}}}},
    LunarYear {1975, 11, 12,
        {{{1, 12, 12}, {2, 11, 1}, {3, 13, 2}, {4, 12, 3}, {5, 11, 4}, {6, 10, 5}, {7, 9, 6},
            {8, 7, 7}, {9, 6, 8}, {10, 5, 9}, {11, 3, 10}, {12, 3, 11}}}},
    LunarYear {1976, 12, 12,
        {{{1, 1, 12}, {1, 31, 1}, {3, 1, 2}, {3, 31, 3}, {4, 29, 4}, {5, 29, 5}, {6, 27, 6},
            {7, 27, 7}, {8, 25, 8}, {10, 23, 9}, {11, 21, 10}, {12, 21, 11}}}},
    LunarYear {1977, 11, 12,
        {{{1, 19, 12}, {2, 18, 1}, {3, 20, 2}, {4, 18, 3}, {5, 18, 4}, {6, 17, 5}, {7, 16, 6},
            {8, 15, 7}, {9, 13, 8}, {10, 13, 9}, {11, 11, 10}, {12, 11, 11}}}},
    LunarYear {1978, 11, 13,
        {{{1, 9, 12}, {2, 7, 1}, {3, 9, 2}, {4, 7, 3}, {5, 7, 4}, {6, 6, 5}, {7, 5, 6}, {8, 4, 7},
            {9, 3, 8}, {10, 2, 9}, {11, 1, 10}, {11, 30, 11}, {12, 30, 12}}}},
    LunarYear {1979, 12, 11,
        {{{1, 28, 1}, {2, 27, 2}, {3, 28, 3}, {4, 26, 4}, {5, 26, 5}, {6, 24, 6}, {8, 23, 7},
            {9, 21, 8}, {10, 21, 9}, {11, 20, 10}, {12, 19, 11}}}},
    LunarYear {1980, 11, 12,
        {{{1, 18, 12}, {2, 16, 1}, {3, 17, 2}, {4, 15, 3}, {5, 14, 4}, {6, 13, 5}, {7, 12, 6},
            {8, 11, 7}, {9, 9, 8}, {10, 9, 9}, {11, 8, 10}, {12, 7, 11}}}},
    LunarYear {1981, 11, 13,
        {{{1, 6, 12}, {2, 5, 1}, {3, 6, 2}, {4, 5, 3}, {5, 4, 4}, {6, 2, 5}, {7, 2, 6}, {7, 31, 7},
            {8, 29, 8}, {9, 28, 9}, {10, 28, 10}, {11, 26, 11}, {12, 26, 12}}}},
    LunarYear {1982, 12, 11,
        {{{1, 25, 1}, {2, 24, 2}, {3, 25, 3}, {4, 24, 4}, {6, 21, 5}, {7, 21, 6}, {8, 19, 7},
            {9, 17, 8}, {10, 17, 9}, {11, 15, 10}, {12, 15, 11}}}},
    LunarYear {1983, 11, 12,
        {{{1, 14, 12}, {2, 13, 1}, {3, 15, 2}, {4, 13, 3}, {5, 13, 4}, {6, 11, 5}, {7, 10, 6},
            {8, 9, 7}, {9, 7, 8}, {10, 6, 9}, {11, 5, 10}, {12, 4, 11}}}},
    LunarYear {1984, 11, 12,
        {{{1, 3, 12}, {2, 2, 1}, {3, 3, 2}, {4, 1, 3}, {5, 1, 4}, {5, 31, 5}, {6, 29, 6},
            {7, 28, 7}, {8, 27, 8}, {9, 25, 9}, {10, 24, 10}, {12, 22, 11}}}},
    LunarYear {1985, 11, 12,
        {{{1, 21, 12}, {2, 20, 1}, {3, 21, 2}, {4, 20, 3}, {5, 20, 4}, {6, 18, 5}, {7, 18, 6},
            {8, 16, 7}, {9, 15, 8}, {10, 14, 9}, {11, 12, 10}, {12, 12, 11}}}},
    LunarYear {1986, 11, 13,
        {{{1, 10, 12}, {2, 9, 1}, {3, 10, 2}, {4, 9, 3}, {5, 9, 4}, {6, 7, 5}, {7, 7, 6}, {8, 6, 7},
            {9, 4, 8}, {10, 4, 9}, {11, 2, 10}, {12, 2, 11}, {12, 31, 12}}}},
    LunarYear {1987, 12, 11,
        {{{1, 29, 1}, {2, 28, 2}, {3, 29, 3}, {4, 28, 4}, {5, 27, 5}, {6, 26, 6}, {8, 24, 7},
            {9, 23, 8}, {10, 23, 9}, {11, 21, 10}, {12, 21, 11}}}},
    LunarYear {1988, 11, 12,
        {{{1, 19, 12}, {2, 17, 1}, {3, 18, 2}, {4, 16, 3}, {5, 16, 4}, {6, 14, 5}, {7, 14, 6},
            {8, 12, 7}, {9, 11, 8}, {10, 11, 9}, {11, 9, 10}, {12, 9, 11}}}},
    LunarYear {1989, 11, 13,
        {{{1, 8, 12}, {2, 6, 1}, {3, 8, 2}, {4, 6, 3}, {5, 5, 4}, {6, 4, 5}, {7, 3, 6}, {8, 2, 7},
            {8, 31, 8}, {9, 30, 9}, {10, 29, 10}, {11, 28, 11}, {12, 28, 12}}}},
    LunarYear {1990, 12, 11,
        {{{1, 27, 1}, {2, 25, 2}, {3, 27, 3}, {4, 25, 4}, {5, 24, 5}, {7, 22, 6}, {8, 20, 7},
            {9, 19, 8}, {10, 18, 9}, {11, 17, 10}, {12, 17, 11}}}},
    LunarYear {1991, 11, 12,
        {{{1, 16, 12}, {2, 15, 1}, {3, 16, 2}, {4, 15, 3}, {5, 14, 4}, {6, 12, 5}, {7, 12, 6},
            {8, 10, 7}, {9, 8, 8}, {10, 8, 9}, {11, 6, 10}, {12, 6, 11}}}},
    LunarYear {1992, 11, 13,
        {{{1, 5, 12}, {2, 4, 1}, {3, 4, 2}, {4, 3, 3}, {5, 3, 4}, {6, 1, 5}, {6, 30, 6}, {7, 30, 7},
            {8, 28, 8}, {9, 26, 9}, {10, 26, 10}, {11, 24, 11}, {12, 24, 12}}}},
    LunarYear {1993, 12, 11,
        {{{1, 23, 1}, {2, 21, 2}, {3, 23, 3}, {5, 21, 4}, {6, 20, 5}, {7, 19, 6}, {8, 18, 7},
            {9, 16, 8}, {10, 15, 9}, {11, 14, 10}, {12, 13, 11}}}},
    LunarYear {1994, 11, 12,
        {{{1, 12, 12}, {2, 10, 1}, {3, 12, 2}, {4, 11, 3}, {5, 11, 4}, {6, 9, 5}, {7, 9, 6},
            {8, 7, 7}, {9, 6, 8}, {10, 5, 9}, {11, 3, 10}, {12, 3, 11}}}},
    LunarYear {1995, 12, 12,
        {{{1, 1, 12}, {1, 31, 1}, {3, 1, 2}, {3, 31, 3}, {4, 30, 4}, {5, 29, 5}, {6, 28, 6},
            {7, 27, 7}, {8, 26, 8}, {10, 24, 9}, {11, 22, 10}, {12, 22, 11}}}},
    LunarYear {1996, 11, 12,
        {{{1, 20, 12}, {2, 19, 1}, {3, 19, 2}, {4, 18, 3}, {5, 17, 4}, {6, 16, 5}, {7, 16, 6},
            {8, 14, 7}, {9, 13, 8}, {10, 12, 9}, {11, 11, 10}, {12, 11, 11}}}},
    LunarYear {1997, 11, 13,
        {{{1, 9, 12}, {2, 7, 1}, {3, 9, 2}, {4, 7, 3}, {5, 7, 4}, {6, 5, 5}, {7, 5, 6}, {8, 3, 7},
            {9, 2, 8}, {10, 2, 9}, {10, 31, 10}, {11, 30, 11}, {12, 30, 12}}}},
    LunarYear {1998, 12, 11,
        {{{1, 28, 1}, {2, 27, 2}, {3, 28, 3}, {4, 26, 4}, {5, 26, 5}, {7, 23, 6}, {8, 22, 7},
            {9, 21, 8}, {10, 20, 9}, {11, 19, 10}, {12, 19, 11}}}},
    LunarYear {1999, 11, 12,
        {{{1, 17, 12}, {2, 16, 1}, {3, 18, 2}, {4, 16, 3}, {5, 15, 4}, {6, 14, 5}, {7, 13, 6},
            {8, 11, 7}, {9, 10, 8}, {10, 9, 9}, {11, 8, 10}, {12, 8, 11}}}},
    LunarYear {2000, 11, 13,
        {{{1, 7, 12}, {2, 5, 1}, {3, 6, 2}, {4, 5, 3}, {5, 4, 4}, {6, 2, 5}, {7, 2, 6}, {7, 31, 7},
            {8, 29, 8}, {9, 28, 9}, {10, 27, 10}, {11, 26, 11}, {12, 26, 12}}}},
    LunarYear {2001, 12, 11,
        {{{1, 24, 1}, {2, 23, 2}, {3, 25, 3}, {4, 23, 4}, {6, 21, 5}, {7, 21, 6}, {8, 19, 7},
            {9, 17, 8}, {10, 17, 9}, {11, 15, 10}, {12, 15, 11}}}},
    LunarYear {2002, 11, 12,
        {{{1, 13, 12}, {2, 12, 1}, {3, 14, 2}, {4, 13, 3}, {5, 12, 4}, {6, 11, 5}, {7, 10, 6},
            {8, 9, 7}, {9, 7, 8}, {10, 6, 9}, {11, 5, 10}, {12, 4, 11}}}},
    LunarYear {2003, 11, 13,
        {{{1, 3, 12}, {2, 1, 1}, {3, 3, 2}, {4, 2, 3}, {5, 1, 4}, {5, 31, 5}, {6, 30, 6},
            {7, 29, 7}, {8, 28, 8}, {9, 26, 9}, {10, 25, 10}, {11, 24, 11}, {12, 23, 12}}}},
    LunarYear {2004, 12, 11,
        {{{1, 22, 1}, {2, 20, 2}, {4, 19, 3}, {5, 19, 4}, {6, 18, 5}, {7, 17, 6}, {8, 16, 7},
            {9, 14, 8}, {10, 14, 9}, {11, 12, 10}, {12, 12, 11}}}},
    LunarYear {2005, 11, 13,
        {{{1, 10, 12}, {2, 9, 1}, {3, 10, 2}, {4, 9, 3}, {5, 8, 4}, {6, 7, 5}, {7, 6, 6}, {8, 5, 7},
            {9, 4, 8}, {10, 3, 9}, {11, 2, 10}, {12, 1, 11}, {12, 31, 12}}}},
    LunarYear {2006, 12, 11,
        {{{1, 29, 1}, {2, 28, 2}, {3, 29, 3}, {4, 28, 4}, {5, 27, 5}, {6, 26, 6}, {7, 25, 7},
            {9, 22, 8}, {10, 22, 9}, {11, 21, 10}, {12, 20, 11}}}},
    LunarYear {2007, 11, 12,
        {{{1, 19, 12}, {2, 18, 1}, {3, 19, 2}, {4, 17, 3}, {5, 17, 4}, {6, 15, 5}, {7, 14, 6},
            {8, 13, 7}, {9, 11, 8}, {10, 11, 9}, {11, 10, 10}, {12, 10, 11}}}},
    LunarYear {2008, 11, 13,
        {{{1, 8, 12}, {2, 7, 1}, {3, 8, 2}, {4, 6, 3}, {5, 5, 4}, {6, 4, 5}, {7, 3, 6}, {8, 1, 7},
            {8, 31, 8}, {9, 29, 9}, {10, 29, 10}, {11, 28, 11}, {12, 27, 12}}}},
    LunarYear {2009, 12, 11,
        {{{1, 26, 1}, {2, 25, 2}, {3, 27, 3}, {4, 25, 4}, {5, 24, 5}, {7, 22, 6}, {8, 20, 7},
            {9, 19, 8}, {10, 18, 9}, {11, 17, 10}, {12, 16, 11}}}},
    LunarYear {2010, 11, 12,
        {{{1, 15, 12}, {2, 14, 1}, {3, 16, 2}, {4, 14, 3}, {5, 14, 4}, {6, 12, 5}, {7, 12, 6},
            {8, 10, 7}, {9, 8, 8}, {10, 8, 9}, {11, 6, 10}, {12, 6, 11}}}},
    LunarYear {2011, 11, 13,
        {{{1, 4, 12}, {2, 3, 1}, {3, 5, 2}, {4, 3, 3}, {5, 3, 4}, {6, 2, 5}, {7, 1, 6}, {7, 31, 7},
            {8, 29, 8}, {9, 27, 9}, {10, 27, 10}, {11, 25, 11}, {12, 25, 12}}}},
    LunarYear {2012, 12, 11,
        {{{1, 23, 1}, {2, 22, 2}, {3, 22, 3}, {4, 21, 4}, {6, 19, 5}, {7, 19, 6}, {8, 17, 7},
            {9, 16, 8}, {10, 15, 9}, {11, 14, 10}, {12, 13, 11}}}},
}};

// Rows: the mother's Chinese age, 18 to 45. Columns: the lunar month of conception, 1 to 12.
using GenderChartRow = std::array<kq::Gender, 12>;
inline constexpr std::array<GenderChartRow, 28> GenderChart = [] {
    constexpr auto B = kq::Gender::Boy;
    constexpr auto G = kq::Gender::Girl;
    return std::array<GenderChartRow, 28> {{
        /* 18 */ {G, B, G, B, B, B, B, B, B, B, B, B},
        /* 19 */ {B, G, B, G, G, B, B, B, B, B, G, G},
        /* 20 */ {G, B, G, B, B, B, B, B, B, G, B, B},
        /* 21 */ {B, G, G, G, G, G, G, G, G, G, G, G},
        /* 22 */ {G, B, B, G, B, G, G, B, G, G, G, G},
        /* 23 */ {B, B, G, B, B, G, B, G, B, B, B, G},
        /* 24 */ {B, G, B, B, G, B, B, G, G, G, G, G},
        /* 25 */ {G, B, B, G, G, B, G, B, B, B, B, B},
        /* 26 */ {B, G, B, G, G, B, G, B, G, G, G, G},
        /* 27 */ {G, B, G, B, G, G, B, B, B, B, G, G},
        /* 28 */ {B, G, B, G, G, G, B, B, B, B, G, G},
        /* 29 */ {G, B, G, G, B, B, B, B, B, G, G, G},
        /* 30 */ {B, G, G, G, G, G, G, G, G, G, B, B},
        /* 31 */ {B, G, B, G, G, G, G, G, G, G, G, B},
        /* 32 */ {B, G, B, G, G, G, G, G, G, G, G, B},
        /* 33 */ {G, B, B, B, G, G, G, B, G, G, G, B},
        /* 34 */ {B, G, B, G, G, B, G, G, G, G, B, B},
        /* 35 */ {B, B, G, B, G, G, G, B, G, G, B, B},
        /* 36 */ {G, B, B, G, B, G, G, G, B, B, B, B},
        /* 37 */ {B, G, B, B, G, B, G, B, G, B, G, B},
        /* 38 */ {G, B, G, B, B, G, B, G, B, G, B, G},
        /* 39 */ {B, G, B, B, B, G, G, B, G, B, G, G},
        /* 40 */ {G, B, G, B, G, B, B, G, B, G, B, G},
        /* 41 */ {B, G, B, G, B, G, B, B, G, B, G, B},
        /* 42 */ {G, B, G, B, G, B, G, B, B, G, B, G},
        /* 43 */ {B, G, B, G, B, G, B, G, B, B, B, B},
        /* 44 */ {B, B, G, B, B, B, G, B, G, B, G, G},
        /* 45 */ {G, B, B, G, G, G, B, G, B, G, B, B},
    }};
}();

static_assert(LunarMonthTable.size() == LastTableYear - FirstTableYear + 1);
static_assert(LunarRows::rowsAreWellFormed(LunarMonthTable, FirstTableYear),
    "the lunar-month table must hold ordered starts on days that exist");
static_assert(LunarRows::rowsFollowOn(LunarMonthTable, std::nullopt),
    "the lunar-month table must number its months in turn, each 29 or 30 days long");

// The official calendar covers the program's table and more: it answers outside 1960 to 2012.
static_assert(ExtendedLunarMonthTable.size() == LastExtendedYear - FirstExtendedYear + 1);
static_assert(FirstExtendedYear <= FirstTableYear && LastTableYear <= LastExtendedYear);
static_assert(LunarRows::rowsAreWellFormed(ExtendedLunarMonthTable, FirstExtendedYear),
    "the official calendar must hold ordered starts on days that exist");
static_assert(LunarRows::rowsFollowOn(ExtendedLunarMonthTable, ExtendedStartBeforeSpan),
    "the official calendar must number its months in turn, each 29 or 30 days long");
static_assert(GenderChart.size() == OldestChartAge - YoungestChartAge + 1);

// The lunar month (1 to 12) in force on the given Gregorian date: the number of the latest
// lunar-month start on or before it, else the number in force on 1 January. No value for a
// year outside 1960 to 2012, or for a date that does not exist.
std::optional<std::int16_t> LookUpLunarMonth(int year, int month, int day) noexcept;

// The five days of 1901 to 2099 whose lunar month published reckonings give differently:
// the new moon falls close to midnight in China, and an astronomical reckoning with a modern
// ephemeris begins the next month one day apart from the official tables. On each of these
// days one reckoning has the new month begun and the other not, so a month that begins on the
// day or on the day after it has a disputed start. On 1978-09-02 the program's own table sides
// with the astronomical reckoning (month 8 begins on 3 September).
struct DisputedDay
{
    int year = 0;
    int month = 0;
    int day = 0;
};
inline constexpr std::array<DisputedDay, 5> DisputedDays = {{
    {1933, 7, 22},
    {1954, 11, 25},
    {1956, 12, 2},
    {1978, 9, 2},
    {2057, 9, 28},
}};

// As LookUpLunarMonth, with the day on which the month began and the calendar that answered,
// for every date from 1 January 1901 to 31 December 2099: from the program's own table inside
// 1960 to 2012 (exactly as LookUpLunarMonth), from the official calendar outside it. No value
// outside 1901 to 2099 or for a date that does not exist.
std::optional<LunarMonthInForce> LookUpLunarMonthInForce(int year, int month, int day) noexcept;

// The chart's gender for 18 <= age <= 45 and 1 <= lunarMonth <= 12, else no value.
std::optional<kq::Gender> LookUpGender(int age, int lunarMonth) noexcept;

} // namespace modDurorurOzivurediRuvidevo
