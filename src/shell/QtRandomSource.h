// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's random numbers: single-precision values from 0 up to, never including, 1.
#pragma once

#include "Platform.h"

#include <random>

namespace kq {

// The generator is seeded from the clock by the start-up sequence (seed()) before anything is
// drawn, so its default seed is never used.
class QtRandomSource : public RandomSource // NOLINT(cert-msc51-cpp)
{
public:
    void seed(std::uint32_t value) override;
    float next() override;

    // 32 random bits as a value in [0, 1): the top 24 bits over 2^24.
    static float toUnitFloat(std::uint32_t bits);

private:
    std::mt19937 generator;
};

} // namespace kq
