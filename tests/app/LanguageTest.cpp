// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language of the windows: chosen from the desktop's list of languages, and from the
// environment variables a desktop session sets, as the program reads them; the engine's answers
// in each language, as both programs show them.
#include "EngineWords.h"
#include "ProgramLanguage.h"
#include "RowName.h"
#include "RunProgram.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string_view>

namespace {

// The build compiles the catalogues of the languages cmake/Catalogues.cmake lists: the same as
// the program's table of languages, or a language would have no catalogue, or a catalogue no
// language.
TEST(LanguageTable, ListsTheLanguagesTheBuildHasCataloguesFor)
{
    QStringList table;
    for (const kq::Language &language : kq::Languages)
        if (!language.catalogue.empty())
            table.append(QString::fromLatin1(
                language.catalogue.data(), qsizetype(language.catalogue.size())));
    EXPECT_EQ(table, QString::fromLatin1(KQ_TEST_LANGUAGES).split(u','));
}

struct ListCase
{
    const char *name;
    QStringList uiLanguages;
    std::string_view expected; // the catalogue's suffix, "" for English
};

class LanguageFromList : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(LanguageFromList, IsTheFirstOneTheProgramSpeaks)
{
    EXPECT_EQ(kq::ChooseLanguage(GetParam().uiLanguages).catalogue, GetParam().expected);
}

constexpr std::string_view English = "";
constexpr std::string_view Simplified = "zh_CN";
constexpr std::string_view Traditional = "zh_TW";
constexpr std::string_view Spanish = "es";

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
    const char *pink; // the engine's word for a girl's colour, from the catalogues installed
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
    EXPECT_EQ(run.out.trimmed().toStdString(), std::string(row.catalogue) + ' ' + row.pink);
}

INSTANTIATE_TEST_SUITE_P(Rows, LanguageFromEnvironment,
    ::testing::Values(
        EnvironmentCase {"LangChina", nullptr, nullptr, nullptr, "zh_CN.UTF-8", "zh_CN", "粉红色"},
        EnvironmentCase {
            "LangSingapore", nullptr, nullptr, nullptr, "zh_SG.UTF-8", "zh_CN", "粉红色"},
        EnvironmentCase {"LangTaiwan", nullptr, nullptr, nullptr, "zh_TW.UTF-8", "zh_TW", "粉紅色"},
        EnvironmentCase {
            "LangHongKong", nullptr, nullptr, nullptr, "zh_HK.UTF-8", "zh_TW", "粉紅色"},
        EnvironmentCase {"LangSpain", nullptr, nullptr, nullptr, "es_ES.UTF-8", "es", "Rosa"},
        EnvironmentCase {"LangArgentina", nullptr, nullptr, nullptr, "es_AR.UTF-8", "es", "Rosa"},
        EnvironmentCase {
            "LangUnitedStates", nullptr, nullptr, nullptr, "en_US.UTF-8", "en", "Pink"},
        EnvironmentCase {"LangGermany", nullptr, nullptr, nullptr, "de_DE.UTF-8", "en", "Pink"},
        EnvironmentCase {"LangC", nullptr, nullptr, nullptr, "C", "en", "Pink"},
        EnvironmentCase {"NothingSet", nullptr, nullptr, nullptr, nullptr, "en", "Pink"},
        EnvironmentCase {
            "LcAllOverLang", nullptr, "zh_TW.UTF-8", nullptr, "en_US.UTF-8", "zh_TW", "粉紅色"},
        EnvironmentCase {
            "LcMessagesOverLang", nullptr, nullptr, "es_ES.UTF-8", "en_US.UTF-8", "es", "Rosa"},
        EnvironmentCase {
            "LanguageForcesEnglish", "en", nullptr, nullptr, "zh_CN.UTF-8", "en", "Pink"},
        EnvironmentCase {"LanguageList", "de:es", nullptr, nullptr, "de_DE.UTF-8", "es", "Rosa"}),
    kq::test::RowName());

// The engine's answers with a language's catalogue built into the programs (in English, with
// none, the windows' and kq-predict's own tests see the program's words).
struct EngineWordsCase
{
    const char *name;
    const char *catalogue;
    const char *boy, *girl, *blue, *pink;
    const char *fewerThanNineMonths, *nineMonthsOrMore;
    const char *conceptionDate, *conceptionDayOf31, *birthDate;
    const char *ageOutOfRange;
};

class EngineWordsIn : public ::testing::TestWithParam<EngineWordsCase>
{
};

TEST_P(EngineWordsIn, AreTheLanguagesWords)
{
    const EngineWordsCase &row = GetParam();
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/kq-engine_") + row.catalogue));
    QCoreApplication::installTranslator(&translator);
    using namespace kq::EngineWords;
    const std::pair<QString, const char *> words[]
        = {{gender(kq::Gender::Boy), row.boy}, {gender(kq::Gender::Girl), row.girl},
            {babyColour(kq::Gender::Boy), row.blue}, {babyColour(kq::Gender::Girl), row.pink},
            {congratulation(kq::CongratulationLine::FewerThanNineMonths), row.fewerThanNineMonths},
            {congratulation(kq::CongratulationLine::NineMonthsOrMore), row.nineMonthsOrMore},
            {dateCheck(kq::DateCheck::ConceptionLeapFebruary), row.conceptionDate},
            {dateCheck(kq::DateCheck::ConceptionFebruary), row.conceptionDate},
            {dateCheck(kq::DateCheck::ConceptionThirtyFirst), row.conceptionDayOf31},
            {dateCheck(kq::DateCheck::BirthLeapFebruary), row.birthDate},
            {dateCheck(kq::DateCheck::BirthThirtyFirst), row.birthDate},
            {ageOutOfRange(), row.ageOutOfRange}};
    for (const auto &[word, expected] : words)
        EXPECT_EQ(word.toStdString(), expected);
    QCoreApplication::removeTranslator(&translator);
}

INSTANTIATE_TEST_SUITE_P(Rows, EngineWordsIn,
    ::testing::Values(
        EngineWordsCase {"SimplifiedChinese", "zh_CN", "男孩", "女孩", "蓝色", "粉红色",
            "恭喜！预测您将迎来", "恭喜！预测您的宝宝是", "请输入正确的受孕日期！",
            "请输入正确的受孕日期！", "请输入正确的母亲出生日期！",
            "请检查受孕日期。\n受孕时母亲的虚岁必须在 18 至 45 岁之间！"},
        EngineWordsCase {"TraditionalChinese", "zh_TW", "男孩", "女孩", "藍色", "粉紅色",
            "恭喜！預測您將迎來", "恭喜！預測您的寶寶是", "請輸入正確的受孕日期！",
            "請輸入正確的受孕日期！", "請輸入正確的母親出生日期！",
            "請檢查受孕日期。\n受孕時母親的虛歲必須介於 18 至 45 歲之間！"},
        EngineWordsCase {"Spanish", "es", "Niño", "Niña", "Azul", "Rosa",
            "¡Felicidades! Vas a tener:", "¡Felicidades! Tu bebé será:",
            "¡Elige una fecha de concepción que exista!",
            "¡Elige una fecha de concepción que exista!",
            "¡Elige una fecha de nacimiento que exista!",
            "Comprueba la fecha de concepción.\n"
            "¡Al concebir, la madre debe tener de 18 a 45 años lunares!"}),
    kq::test::RowName());

} // namespace
