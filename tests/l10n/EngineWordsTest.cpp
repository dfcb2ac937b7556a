// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the engine's answers in words: in English they are the program's own texts,
// word for word, with the chart's ages; scripts get that English whatever catalogue is
// installed; and each language words the congratulation sentence whole, without a space glued
// in by the program.
#include "EngineWords.h"
#include "ChartSpan.h"
#include "RowName.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kq::CongratulationLine;
using kq::DateCheck;
using kq::Gender;
using kq::Wording;
namespace words = kq::EngineWords;

constexpr auto English = Wording::English;
constexpr auto People = Wording::UserLanguage;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// A catalogue of the engine's answers, installed while the object lives.
class Installed
{
public:
    explicit Installed(const char *catalogue)
    {
        loaded = translator.load(QStringLiteral(":/i18n/kq-engine_") + QLatin1String(catalogue));
        QCoreApplication::installTranslator(&translator);
    }
    ~Installed() { QCoreApplication::removeTranslator(&translator); }
    Installed(const Installed &) = delete;
    Installed &operator=(const Installed &) = delete;

    bool loaded = false;

private:
    QTranslator translator;
};

// Every word, in the given wording.
std::vector<QString> everyWord(Wording wording)
{
    std::vector<QString> all;
    for (const Gender gender : {Gender::Boy, Gender::Girl}) {
        all.push_back(words::gender(gender, wording));
        all.push_back(words::babyColour(gender, wording));
        for (const auto line :
            {CongratulationLine::FewerThanNineMonths, CongratulationLine::NineMonthsOrMore})
            all.push_back(words::congratulationWithGender(line, gender, wording));
    }
    for (const auto line :
        {CongratulationLine::FewerThanNineMonths, CongratulationLine::NineMonthsOrMore})
        all.push_back(words::congratulation(line, wording));
    for (int check = 0; check < 6; ++check)
        all.push_back(words::dateCheck(static_cast<DateCheck>(check), wording));
    all.push_back(words::ageOutOfRange(wording));
    all.push_back(words::ageLimits(wording));
    return all;
}

} // namespace

TEST(EngineWords, InEnglishAreTheDesignDocumentsTexts)
{
    EXPECT_EQ(words::gender(Gender::Boy, English), "Boy");
    EXPECT_EQ(words::gender(Gender::Girl, English), "Girl");
    EXPECT_EQ(words::babyColour(Gender::Boy, English), "Blue");
    EXPECT_EQ(words::babyColour(Gender::Girl, English), "Pink");
    EXPECT_EQ(words::congratulation(CongratulationLine::FewerThanNineMonths, English),
        "Congratulations!! Your predicted to have a Baby");
    EXPECT_EQ(words::congratulation(CongratulationLine::NineMonthsOrMore, English),
        "Congratulations!! Your Baby is predicted to be a");
    const QString conception = QStringLiteral("Please Enter Correct Date Of Conception !");
    const QString birth = QStringLiteral("Please Enter Correct Date Of Birth !");
    EXPECT_EQ(words::dateCheck(DateCheck::ConceptionLeapFebruary, English), conception);
    EXPECT_EQ(words::dateCheck(DateCheck::ConceptionFebruary, English), conception);
    // The doubled "of" is the program's own.
    EXPECT_EQ(words::dateCheck(DateCheck::ConceptionThirtyFirst, English),
        "Please Enter Correct Date Of of Conception !");
    EXPECT_EQ(words::dateCheck(DateCheck::BirthLeapFebruary, English), birth);
    EXPECT_EQ(words::dateCheck(DateCheck::BirthFebruary, English), birth);
    EXPECT_EQ(words::dateCheck(DateCheck::BirthThirtyFirst, English), birth);
    EXPECT_EQ(utf8(words::ageOutOfRange(English)),
        std::string(22, ' ') + "Check The Date Of Conception.\r\n"
            + "Mother's Age Must Be Between 18 to 45 at Time Of Conception !");
}

// The age message's second line and the main window's reminder are one text, its ages the
// chart's own.
TEST(EngineWords, AgeLimitsComeFromTheChart)
{
    EXPECT_EQ(words::ageLimits(English),
        QStringLiteral("Mother's Age Must Be Between %1 to %2 at Time Of Conception !")
            .arg(modDurorurOzivurediRuvidevo::YoungestChartAge)
            .arg(modDurorurOzivurediRuvidevo::OldestChartAge));
    EXPECT_TRUE(
        words::ageOutOfRange(English).endsWith(QStringLiteral("\r\n") + words::ageLimits(English)));
}

// kq-predict's last line: in English the line, a space and the gender, as it always read.
TEST(EngineWords, CongratulationSentenceInEnglishIsTheLineAndTheGender)
{
    for (const Gender gender : {Gender::Boy, Gender::Girl})
        for (const auto line :
            {CongratulationLine::FewerThanNineMonths, CongratulationLine::NineMonthsOrMore})
            EXPECT_EQ(words::congratulationWithGender(line, gender, English),
                words::congratulation(line, English) + u' ' + words::gender(gender, English));
}

TEST(EngineWords, AllAtOnceAreTheWordsOneByOne)
{
    kq::PredictionAnswer answer;
    answer.outcome = kq::PredictionOutcome::Predicted;
    answer.gender = Gender::Girl;
    answer.congratulation = CongratulationLine::NineMonthsOrMore;
    const words::PredictionWords all = words::wordsOf(answer, English);
    EXPECT_EQ(all.gender, "Girl");
    EXPECT_EQ(all.babyColour, "Pink");
    EXPECT_EQ(all.congratulation, "Congratulations!! Your Baby is predicted to be a");
    EXPECT_EQ(
        all.congratulationWithGender, "Congratulations!! Your Baby is predicted to be a Girl");
}

// Without a catalogue people read the English; with one, scripts still do.
TEST(EngineWords, ScriptsReadTheEnglishWhateverIsInstalled)
{
    const std::vector<QString> withoutCatalogue = everyWord(English);
    EXPECT_EQ(everyWord(People), withoutCatalogue);
    for (const char *catalogue : {"zh_CN", "zh_TW", "es"}) {
        const Installed installed(catalogue);
        ASSERT_TRUE(installed.loaded) << catalogue;
        const std::vector<QString> people = everyWord(People);
        const std::vector<QString> english = everyWord(English);
        EXPECT_EQ(english, withoutCatalogue) << catalogue;
        // Every word has its translation.
        for (std::size_t i = 0; i < people.size(); ++i)
            EXPECT_NE(people[i], english[i]) << catalogue << ": " << utf8(english[i]);
    }
}

namespace {

// The congratulation sentence as a native speaker words it: whole, Chinese without a space,
// Spanish with its article and "¡Felicidades!", which serves every Spanish-speaking country.
struct SentenceCase
{
    const char *name;
    const char *catalogue;
    CongratulationLine line;
    Gender gender;
    const char *sentence;
};

class CongratulationSentence : public testing::TestWithParam<SentenceCase>
{
};

constexpr auto Fewer = CongratulationLine::FewerThanNineMonths;
constexpr auto Nine = CongratulationLine::NineMonthsOrMore;

const SentenceCase SentenceCases[] = {
    {"SimplifiedGirl", "zh_CN", Fewer, Gender::Girl, "恭喜！预测您将迎来一个女孩"},
    {"SimplifiedBoyBorn", "zh_CN", Nine, Gender::Boy, "恭喜！预测您的宝宝是男孩"},
    {"TraditionalGirl", "zh_TW", Fewer, Gender::Girl, "恭喜！預測您將迎來一個女孩"},
    {"TraditionalBoyBorn", "zh_TW", Nine, Gender::Boy, "恭喜！預測您的寶寶是男孩"},
    {"SpanishGirl", "es", Fewer, Gender::Girl, "¡Felicidades! Vas a tener una niña"},
    {"SpanishBoy", "es", Fewer, Gender::Boy, "¡Felicidades! Vas a tener un niño"},
    {"SpanishGirlBorn", "es", Nine, Gender::Girl, "¡Felicidades! Tu bebé será una niña"},
    {"SpanishBoyBorn", "es", Nine, Gender::Boy, "¡Felicidades! Tu bebé será un niño"},
};

} // namespace

TEST_P(CongratulationSentence, IsWordedWhole)
{
    const SentenceCase &c = GetParam();
    const Installed installed(c.catalogue);
    ASSERT_TRUE(installed.loaded);
    EXPECT_EQ(utf8(words::congratulationWithGender(c.line, c.gender)), c.sentence);
    for (const QString &word : everyWord(People))
        EXPECT_FALSE(word.contains(QStringLiteral("Enhorabuena"))) << utf8(word);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CongratulationSentence, testing::ValuesIn(SentenceCases), kq::test::RowName());
