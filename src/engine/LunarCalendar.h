// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Which calendar gave a lunar month: the program's own table (1960 to 2012), or the official
// calendar that extends it (1901 to 1959 and 2013 to 2099). A header of its own, so that the
// prediction's result can name it without the tables.
#pragma once

#include <cstdint>

namespace modDurorurOzivurediRuvidevo {

enum class LunarCalendar : std::uint8_t { Classic, Extended };

} // namespace modDurorurOzivurediRuvidevo
