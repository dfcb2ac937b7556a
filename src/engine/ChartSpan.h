// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The years of the program's own lunar-month table and the mother's ages of the gender chart:
// named here once, for the tables and for the main window's lists alike.
#pragma once

namespace modDurorurOzivurediRuvidevo {

inline constexpr int FirstTableYear = 1960;
inline constexpr int LastTableYear = 2012;
inline constexpr int YoungestChartAge = 18;
inline constexpr int OldestChartAge = 45;

} // namespace modDurorurOzivurediRuvidevo
