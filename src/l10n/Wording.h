// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Who reads a text: scripts read the program's own English whatever the language (the JSON
// answers, --batch, --lunar-month), people read their language. Each text is written once, in
// English, as the source text of its catalogue; the English wording is that source itself.
#pragma once

#include <cstdint>

namespace kq {

enum class Wording : std::uint8_t { English, UserLanguage };

} // namespace kq
