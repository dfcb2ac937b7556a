// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The two genders of the calendar's chart, used as one value from the chart's cells to the
// prediction, its answer and the counting of real records. Words for them are chosen by
// whoever shows them (src/l10n).
#pragma once

#include <cstdint>

namespace kq {

enum class Gender : std::uint8_t { Boy, Girl };

} // namespace kq
