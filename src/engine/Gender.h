// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The two genders of the calendar's chart, used as one value from the chart's cells to the
// prediction, its answer and the counting of real records. Words for them are chosen by
// whoever shows them; GenderText gives the chart's own English texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace kq {

enum class Gender : std::uint8_t { Boy, Girl };

// The chart's own text of a gender: "Boy" or "Girl".
constexpr std::string_view GenderText(Gender gender) noexcept
{
    return gender == Gender::Boy ? std::string_view("Boy") : std::string_view("Girl");
}

} // namespace kq
