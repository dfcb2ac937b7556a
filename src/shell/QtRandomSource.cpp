// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's random numbers: single-precision values from 0 up to, never including, 1.
#include "QtRandomSource.h"

namespace kq {

void QtRandomSource::seed(std::uint32_t value)
{
    generator.seed(value);
}

float QtRandomSource::next()
{
    return toUnitFloat(static_cast<std::uint32_t>(generator()));
}

float QtRandomSource::toUnitFloat(std::uint32_t bits)
{
    // 24 bits over 2^24: every value is exact in a float and the largest is 1 - 2^-24, so no
    // conversion can round it up to 1.0f (as all 32 bits over 2^32 in float would).
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

} // namespace kq
