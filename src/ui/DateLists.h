// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What the main window's six date lists offer and where they open: the program's own years
// (conceptions 1960 to 2012, births 1915 to 2012, opening on 1 January 1960 and 1 January
// 1915), or those of a run with the extended calendar (conceptions 1901 to 2099, births 1856
// to 2099, opening on today's date and on 1 January of the year 30 years earlier), and the
// leap-year rule of the date check that goes with them.
#pragma once

#include "Prediction.h"

#include <chrono>

namespace kq {

struct DateLists
{
    int firstConceptionYear = FirstConceptionListYear;
    int firstBirthYear = FirstBirthListYear;
    int lastYear = LastListYear;
    DateSelection openingBirth {1, 1, FirstBirthListYear};
    DateSelection openingConception {1, 1, FirstConceptionListYear};
    LeapYearRule leapYears = LeapYearRule::EveryFourthYear;

    // The program's own lists.
    static DateLists standard() { return {}; }
    // The lists of a run with the extended calendar, opening on `today` (a year outside the
    // lists opens on the nearest year they offer).
    static DateLists extended(std::chrono::year_month_day today);
};

} // namespace kq
