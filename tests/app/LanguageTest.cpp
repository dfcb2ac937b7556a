// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language of the windows: chosen from the desktop's list of languages, and from the
// environment variables a desktop session sets, as the program reads them.
#include "ProgramLanguage.h"
#include "RowName.h"
#include "RunProgram.h"

#include <gtest/gtest.h>

namespace {

using kq::ProgramLanguage;

struct ListCase
{
    const char *name;
    QStringList uiLanguages;
    ProgramLanguage expected;
};

class LanguageFromList : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(LanguageFromList, IsTheFirstOneTheProgramSpeaks)
{
    EXPECT_EQ(kq::ChooseLanguage(GetParam().uiLanguages), GetParam().expected);
}

constexpr auto English = ProgramLanguage::English;
constexpr auto Simplified = ProgramLanguage::SimplifiedChinese;
constexpr auto Traditional = ProgramLanguage::TraditionalChinese;
constexpr auto Spanish = ProgramLanguage::Spanish;

INSTANTIATE_TEST_SUITE_P(Rows, LanguageFromList,
    ::testing::Values(ListCase {"MainlandChina", {"zh-CN", "zh-Hans-CN", "zh"}, Simplified},
        ListCase {"Singapore", {"zh-SG", "zh-Hans-SG", "zh"}, Simplified},
        ListCase {"ChineseWithoutTerritory", {"zh"}, Simplified},
        ListCase {"Taiwan", {"zh-TW", "zh-Hant-TW", "zh"}, Traditional},
        ListCase {"HongKong", {"zh-HK", "zh-Hant-HK", "zh"}, Traditional},
        ListCase {"Macau", {"zh-MO"}, Traditional},
        ListCase {"TraditionalScriptTag", {"zh-Hant"}, Traditional},
        ListCase {"SimplifiedScriptTagInHongKong", {"zh-Hans-HK"}, Simplified},
        ListCase {"LocaleNameWithCharset", {"zh_TW.UTF-8"}, Traditional},
        ListCase {"LowerCaseTerritory", {"zh-tw"}, Traditional},
        ListCase {"Spain", {"es-ES", "es"}, Spanish}, ListCase {"Mexico", {"es-MX", "es"}, Spanish},
        ListCase {"LatinAmerica", {"es-419"}, Spanish},
        ListCase {"SpainWithModifier", {"es_ES@euro"}, Spanish},
        ListCase {"UnitedStates", {"en-US", "en"}, English},
        ListCase {"EnglishBeforeChinese", {"en-GB", "zh-CN"}, English},
        ListCase {"ChineseBeforeEnglish", {"zh-CN", "en-US"}, Simplified},
        ListCase {"GermanOnly", {"de-DE", "de"}, English},
        ListCase {"GermanThenSpanish", {"de-DE", "de", "es-ES"}, Spanish},
        ListCase {"CLocale", {"C"}, English}, ListCase {"Posix", {"POSIX"}, English},
        ListCase {"Empty", {}, English}, ListCase {"EmptyEntry", {""}, English},
        ListCase {"Cantonese", {"yue-HK"}, English}),
    kq::test::RowName());

// What a desktop session sets, read by Qt in a fresh process.
struct EnvironmentCase
{
    const char *name;
    const char *language; // LANGUAGE; nullptr when unset
    const char *lcAll;
    const char *lcMessages;
    const char *lang;
    const char *catalogue; // "en" for English
};

class LanguageFromEnvironment : public ::testing::TestWithParam<EnvironmentCase>
{
};

TEST_P(LanguageFromEnvironment, ChoosesTheCatalogue)
{
    const EnvironmentCase &row = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const std::pair<const char *, const char *> variables[] = {{"LANGUAGE", row.language},
        {"LC_ALL", row.lcAll}, {"LC_MESSAGES", row.lcMessages}, {"LANG", row.lang}};
    for (const auto &[variable, value] : variables) {
        if (value)
            environment.insert(QLatin1String(variable), QLatin1String(value));
        else
            environment.remove(QLatin1String(variable));
    }
    const kq::test::ProgramRun run
        = kq::test::RunProgram(QStringLiteral(KQ_PRINT_LANGUAGE_PATH), {}, {}, environment);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.trimmed().toStdString(), row.catalogue);
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageFromEnvironment,
    ::testing::Values(
        EnvironmentCase {"LangChina", nullptr, nullptr, nullptr, "zh_CN.UTF-8", "zh_CN"},
        EnvironmentCase {"LangSingapore", nullptr, nullptr, nullptr, "zh_SG.UTF-8", "zh_CN"},
        EnvironmentCase {"LangTaiwan", nullptr, nullptr, nullptr, "zh_TW.UTF-8", "zh_TW"},
        EnvironmentCase {"LangHongKong", nullptr, nullptr, nullptr, "zh_HK.UTF-8", "zh_TW"},
        EnvironmentCase {"LangSpain", nullptr, nullptr, nullptr, "es_ES.UTF-8", "es"},
        EnvironmentCase {"LangArgentina", nullptr, nullptr, nullptr, "es_AR.UTF-8", "es"},
        EnvironmentCase {"LangUnitedStates", nullptr, nullptr, nullptr, "en_US.UTF-8", "en"},
        EnvironmentCase {"LangGermany", nullptr, nullptr, nullptr, "de_DE.UTF-8", "en"},
        EnvironmentCase {"LangC", nullptr, nullptr, nullptr, "C", "en"},
        EnvironmentCase {"NothingSet", nullptr, nullptr, nullptr, nullptr, "en"},
        EnvironmentCase {"LcAllOverLang", nullptr, "zh_TW.UTF-8", nullptr, "en_US.UTF-8", "zh_TW"},
        EnvironmentCase {
            "LcMessagesOverLang", nullptr, nullptr, "es_ES.UTF-8", "en_US.UTF-8", "es"},
        EnvironmentCase {"LanguageForcesEnglish", "en", nullptr, nullptr, "zh_CN.UTF-8", "en"},
        EnvironmentCase {"LanguageList", "de:es", nullptr, nullptr, "de_DE.UTF-8", "es"}),
    kq::test::RowName());

} // namespace
