// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language of the windows, and the catalogues that speak it.
#include "Language.h"

#include "Fonts.h"

#include <QCoreApplication>

namespace kq {

ChineseScript ChineseScriptOf(ProgramLanguage language)
{
    switch (language) {
    case ProgramLanguage::SimplifiedChinese:
        return ChineseScript::Simplified;
    case ProgramLanguage::TraditionalChinese:
        return ChineseScript::Traditional;
    case ProgramLanguage::English:
    case ProgramLanguage::Spanish:
        break;
    }
    return ChineseScript::None;
}

ProgramLanguage InstallTranslations(QCoreApplication &application)
{
    const ProgramLanguage language = InstallCatalogues(application, QStringLiteral("kq"));
    // In Chinese the fonts fall back to the CJK face of the script; Spanish keeps them as they are.
    if (const ChineseScript script = ChineseScriptOf(language); script != ChineseScript::None)
        UseChineseFontsFor(script);
    return language;
}

} // namespace kq
