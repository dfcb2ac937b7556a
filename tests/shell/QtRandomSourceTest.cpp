// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The random source: values from 0 up to, never including, 1.
#include "QtRandomSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(QtRandomSource, LargestBitsStayBelowOne)
{
    // All 32 bits set: a float conversion of the whole word would round up to 1.0f.
    EXPECT_LT(kq::QtRandomSource::toUnitFloat(0xFFFFFFFFu), 1.0f);
    EXPECT_LT(kq::QtRandomSource::toUnitFloat(0xFFFFFF80u), 1.0f);
    EXPECT_EQ(kq::QtRandomSource::toUnitFloat(0u), 0.0f);
    EXPECT_EQ(kq::QtRandomSource::toUnitFloat(0x80000000u), 0.5f);
}

TEST(QtRandomSource, SeedSweepNeverReachesOne)
{
    kq::QtRandomSource random;
    // Every seed a start-up can use (seconds since midnight), a few draws each.
    for (std::uint32_t seed = 0; seed < 86400; ++seed) {
        random.seed(seed);
        for (int i = 0; i < 4; ++i) {
            const float r = random.next();
            ASSERT_GE(r, 0.0f) << "seed " << seed;
            ASSERT_LT(r, 1.0f) << "seed " << seed;
        }
    }
}

TEST(QtRandomSource, SameSeedSameValues)
{
    kq::QtRandomSource a, b;
    a.seed(43200);
    b.seed(43200);
    std::vector<float> first, second;
    for (int i = 0; i < 8; ++i) {
        first.push_back(a.next());
        second.push_back(b.next());
    }
    EXPECT_EQ(first, second);
    b.seed(43201);
    EXPECT_NE(b.next(), first.front());
}

} // namespace
