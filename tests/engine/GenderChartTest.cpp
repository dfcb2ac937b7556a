// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the gender chart through LookUpGender: every cell against the published chart, and
// the ages and months that lie outside it.
#include "modDurorurOzivurediRuvidevo.h"

#include <gtest/gtest.h>

#include <string>

namespace lm = modDurorurOzivurediRuvidevo;

namespace {

// The chart as published, one text per age from 18 to 45, months 1 to 12: B "Boy", G "Girl".
const char *const PublishedChart[28] = {
    "GBGBBBBBBBBB", // 18
    "BGBGGBBBBBGG", // 19
    "GBGBBBBBBGBB", // 20
    "BGGGGGGGGGGG", // 21
    "GBBGBGGBGGGG", // 22
    "BBGBBGBGBBBG", // 23
    "BGBBGBBGGGGG", // 24
    "GBBGGBGBBBBB", // 25
    "BGBGGBGBGGGG", // 26
    "GBGBGGBBBBGG", // 27
    "BGBGGGBBBBGG", // 28
    "GBGGBBBBBGGG", // 29
    "BGGGGGGGGGBB", // 30
    "BGBGGGGGGGGB", // 31
    "BGBGGGGGGGGB", // 32
    "GBBBGGGBGGGB", // 33
    "BGBGGBGGGGBB", // 34
    "BBGBGGGBGGBB", // 35
    "GBBGBGGGBBBB", // 36
    "BGBBGBGBGBGB", // 37
    "GBGBBGBGBGBG", // 38
    "BGBBBGGBGBGG", // 39
    "GBGBGBBGBGBG", // 40
    "BGBGBGBBGBGB", // 41
    "GBGBGBGBBGBG", // 42
    "BGBGBGBGBBBB", // 43
    "BBGBBBGBGBGG", // 44
    "GBBGGGBGBGBB", // 45
};

// The chart as the program answers it, in the same one-letter form.
std::string answeredRow(int age)
{
    std::string row;
    for (int monthNumber = 1; monthNumber <= 12; ++monthNumber) {
        const auto gender = lm::LookUpGender(
            static_cast<std::int16_t>(age), static_cast<std::int16_t>(monthNumber));
        row += !gender ? '?' : *gender == kq::Gender::Boy ? 'B' : 'G';
    }
    return row;
}

} // namespace

TEST(GenderChart, EveryCellEqualsThePublishedChart)
{
    for (int age = 18; age <= 45; ++age)
        EXPECT_EQ(answeredRow(age), PublishedChart[age - 18]) << "age " << age;
}

TEST(GenderChart, NoValueOutsideAges18To45OrMonths1To12)
{
    const std::pair<int, int> outside[] = {{17, 1}, {17, 12}, {46, 1}, {46, 12}, {18, 0}, {45, 13},
        {30, 0}, {30, 13}, {30, -1}, {-30, 5}, {0, 0}, {32767, 1}, {-32768, 12}};
    for (const auto &[age, monthNumber] : outside)
        EXPECT_FALSE(
            lm::LookUpGender(static_cast<std::int16_t>(age), static_cast<std::int16_t>(monthNumber))
                .has_value())
            << age << "/" << monthNumber;
}
