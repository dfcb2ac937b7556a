// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The date lists of the main window with the extended calendar.
#include "DateLists.h"

#include <algorithm>

namespace kq {

namespace {

// The mother's year in the opening selection: 30 years before the conception.
constexpr int OpeningMotherAge = 30;

} // namespace

DateLists DateLists::extended(std::chrono::year_month_day today)
{
    DateLists lists;
    lists.firstConceptionYear = FirstExtendedConceptionYear;
    lists.firstBirthYear = FirstExtendedBirthYear;
    lists.lastYear = LastExtendedYear;
    lists.leapYears = LeapYearRule::Gregorian;

    const int year = static_cast<int>(today.year());
    const int conceptionYear = std::clamp(year, FirstExtendedConceptionYear, LastExtendedYear);
    if (conceptionYear == year && today.ok()) {
        lists.openingConception = {static_cast<int>(static_cast<unsigned>(today.day())),
            static_cast<int>(static_cast<unsigned>(today.month())), year};
    } else {
        lists.openingConception = {1, 1, conceptionYear};
    }
    lists.openingBirth = {1, 1,
        std::clamp(conceptionYear - OpeningMotherAge, FirstExtendedBirthYear, LastExtendedYear)};
    return lists;
}

} // namespace kq
