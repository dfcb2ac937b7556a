// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The languages the programs speak: one row each. Adding a language is a row here and its
// three catalogues in translations/ (KQ_LANGUAGES in cmake/Catalogues.cmake lists the same
// suffixes for the build, and a test holds the two lists together).
#pragma once

#include <array>
#include <string_view>

namespace kq {

// The Chinese characters a language is written in, if any.
enum class ChineseScript { None, Simplified, Traditional };

struct Language
{
    // The suffix of its catalogues (kq_<catalogue>.ts); empty for English, which has none.
    std::string_view catalogue;
    // The language code of the desktop's language list ("zh", "es").
    std::string_view code;
    // A script tag ("Hans") that picks this row among the rows of its code, and the territories
    // that pick it when the entry names no script. The first row of a code is its default.
    std::string_view scriptTag;
    std::array<std::string_view, 3> territories;
    // The Chinese characters of its windows, and the faces that draw them, the first one the
    // system has: Noto Sans CJK (Debian's fonts-noto-cjk), else the face Windows ships.
    ChineseScript script;
    std::array<std::string_view, 2> chineseFamilies;
    // Whether a date is written year, month, day (the date lists stand in that order).
    bool yearFirst;
};

inline constexpr std::array<Language, 4> Languages {{
    {"", "en", "", {}, ChineseScript::None, {}, false},
    {"zh_CN", "zh", "Hans", {}, ChineseScript::Simplified,
        {"Noto Sans CJK SC", "Microsoft YaHei UI"}, true},
    {"zh_TW", "zh", "Hant", {"TW", "HK", "MO"}, ChineseScript::Traditional,
        {"Noto Sans CJK TC", "Microsoft JhengHei UI"}, true},
    {"es", "es", "", {}, ChineseScript::None, {}, false},
}};

// English: the programs' own texts, with no catalogue.
inline constexpr const Language &English = Languages[0];

} // namespace kq
