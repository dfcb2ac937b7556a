// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program's command line: what each reading of the arguments decides, and the
// built program asked for its help and version where there is no display, and refusing an
// option, in the desktop's language.
#include "CommandLine.h"
#include "RowName.h"
#include "RunProgram.h"
#include "TerminalColumns.h"

#include <QFile>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

using kq::CommandLineStage;

struct ReadingCase
{
    const char *name;
    QStringList arguments;
    CommandLineStage stage;
    bool run;
    int status;
    const char *outputHas; // "" when nothing is written to standard output
    const char *errorHas; // "" when nothing is written to standard error
};

class Reading : public ::testing::TestWithParam<ReadingCase>
{
};

TEST_P(Reading, DecidesWhetherTheProgramRuns)
{
    const ReadingCase &row = GetParam();
    const kq::CommandLine read = kq::ReadCommandLine(row.arguments, row.stage);
    EXPECT_EQ(read.run(), row.run);
    const kq::CommandLineAnswer line = kq::AnswerOf(read);
    EXPECT_EQ(line.exitStatus, row.status);
    if (*row.outputHas == '\0')
        EXPECT_TRUE(line.standardOutput.isEmpty()) << qPrintable(line.standardOutput);
    else
        EXPECT_TRUE(line.standardOutput.contains(QString::fromUtf8(row.outputHas)))
            << qPrintable(line.standardOutput);
    if (*row.errorHas == '\0')
        EXPECT_TRUE(line.standardError.isEmpty()) << qPrintable(line.standardError);
    else
        EXPECT_TRUE(line.standardError.contains(QString::fromUtf8(row.errorHas)))
            << qPrintable(line.standardError);
}

const QString Path = QStringLiteral("/usr/bin/kq-pregnancy-calendar");
constexpr auto Before = CommandLineStage::BeforeToolkit;
constexpr auto After = CommandLineStage::AfterToolkit;

INSTANTIATE_TEST_SUITE_P(Cases, Reading,
    ::testing::Values(ReadingCase {"NoArgumentsRun", {Path}, Before, true, 0, "", ""},
        ReadingCase {"HelpNamesTheProgramNotAPlaceholder", {Path, "--help"}, Before, false, 0,
            "Usage: kq-pregnancy-calendar [options]", ""},
        ReadingCase {
            "ShortHelpListsTheVersionOption", {Path, "-h"}, Before, false, 0, "-v, --version", ""},
        ReadingCase {"VersionIsTheProjectVersion", {Path, "--version"}, Before, false, 0,
            "kq-pregnancy-calendar " KQ_TEST_VERSION "\n", ""},
        ReadingCase {
            "HelpWinsOverVersion", {Path, "--version", "--help"}, Before, false, 0, "Options:", ""},
        // -platform is the toolkit's: the first reading cannot tell, the second never sees it.
        ReadingCase {
            "ToolkitOptionLeftForLater", {Path, "-platform", "offscreen"}, Before, true, 0, "", ""},
        ReadingCase {
            "UnknownOptionLeftForLater", {Path, "--no-such-option"}, Before, true, 0, "", ""},
        // The process test below reads the message itself ("Unknown option ...").
        ReadingCase {"UnknownOptionRefusedAfterTheToolkit", {Path, "--no-such-option"}, After,
            false, kq::ExitUsage, "", "Try 'kq-pregnancy-calendar --help'"},
        ReadingCase {"StrayArgumentRefused", {Path, "1980-06-15"}, Before, false, kq::ExitUsage, "",
            "unexpected argument '1980-06-15'"},
        ReadingCase {"ProgramRenamed", {"./my-calendar", "--version"}, Before, false, 0,
            "my-calendar " KQ_TEST_VERSION, ""},
        ReadingCase {"NoProgramPath", {}, After, true, 0, "", ""},
        ReadingCase {"HelpListsTheExtendedCalendar", {Path, "--help"}, Before, false, 0,
            "--extended-calendar", ""},
        ReadingCase {"ExtendedCalendarRuns", {Path, "--extended-calendar"}, After, true, 0, "", ""},
        ReadingCase {"ExtendedCalendarTakesNoValue", {Path, "--extended-calendar=yes"}, After,
            false, kq::ExitUsage, "", "extended-calendar"}),
    kq::test::RowName());

using kq::test::ProgramRun;

// The built program, with no display of any kind in its environment, in the C locale unless
// another environment is given.
ProgramRun RunWithoutDisplay(const QStringList &arguments, const QString &outputFile = {},
    QProcessEnvironment environment = kq::test::LocaleEnvironment("C"))
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    ProgramRun run = kq::test::RunProgram(
        QStringLiteral(KQ_PROGRAM_PATH), arguments, {}, environment, 60000, outputFile);
    // Lines end in CR LF on Windows.
    run.out.replace("\r\n", "\n");
    run.err.replace("\r\n", "\n");
    return run;
}

TEST(ProgramWithoutDisplay, AnswersHelpAndVersion)
{
    const ProgramRun help = RunWithoutDisplay({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: kq-pregnancy-calendar [options]")) << help.out.data();
    EXPECT_TRUE(help.err.isEmpty()) << help.err.data();

    const ProgramRun version = RunWithoutDisplay({QStringLiteral("-v")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kq-pregnancy-calendar " KQ_TEST_VERSION "\n");
}

TEST(ProgramWithoutDisplay, HelpThatCannotBeWrittenIsAFailure)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    const ProgramRun help
        = RunWithoutDisplay({QStringLiteral("--help")}, QStringLiteral("/dev/full"));
    EXPECT_EQ(help.status, kq::ExitOutputFailed);
}

// The help (where there is no display) and a refused option (on the offscreen platform, where
// the toolkit starts and the second reading decides) in the desktop's language.
struct LanguageCase
{
    const char *name;
    const char *lang;
    const char *language; // LANGUAGE; nullptr when unset
    const char *helpSays;
    const char *refusalSays;
    bool translated = true;
};

class ProgramInLanguage : public ::testing::TestWithParam<LanguageCase>
{
};

TEST_P(ProgramInLanguage, AnswersItsCommandLineInIt)
{
    const LanguageCase &row = GetParam();
    const QProcessEnvironment environment = kq::test::LocaleEnvironment(row.lang, row.language);
    const ProgramRun help = RunWithoutDisplay({QStringLiteral("--help")}, {}, environment);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(QString::fromUtf8(row.helpSays)))
        << help.out.data();
    // A translated help fits a terminal of 80 columns, Chinese characters counting two.
    if (row.translated) {
        for (const QString &line : QString::fromUtf8(help.out).split(u'\n'))
            EXPECT_LE(kq::test::TerminalColumns(line), 80) << line.toStdString();
    }

    QProcessEnvironment offscreen = environment;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProgramRun refused = kq::test::RunProgram(
        QStringLiteral(KQ_PROGRAM_PATH), {QStringLiteral("--no-such-option")}, {}, offscreen);
    EXPECT_EQ(refused.status, kq::ExitUsage);
    EXPECT_TRUE(QString::fromUtf8(refused.err).contains(QString::fromUtf8(row.refusalSays)))
        << refused.err.data();
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgramInLanguage,
    ::testing::Values(LanguageCase {"CLocale", "C", nullptr,
                          "Choose the mother's date of birth and the date of conception",
                          "Unknown option 'no-such-option'", false},
        LanguageCase {"Germany", "de_DE.UTF-8", nullptr, "Displays version information.",
            "Try 'kq-pregnancy-calendar --help' for more information.", false},
        LanguageCase {"EnglishOverChinese", "zh_CN.UTF-8", "en", "Offers the years 1901 to 2099",
            "Try 'kq-pregnancy-calendar --help'", false},
        LanguageCase {"SimplifiedChinese", "zh_CN.UTF-8", nullptr, "选择母亲的出生日期和受孕日期",
            "请运行“kq-pregnancy-calendar --help”了解更多信息。"},
        LanguageCase {"SimplifiedChineseHelpOption", "zh_CN.UTF-8", nullptr,
            "显示命令行选项的帮助。", "请运行“kq-pregnancy-calendar --help”了解更多信息。"},
        LanguageCase {"TraditionalChinese", "zh_TW.UTF-8", nullptr, "選擇母親的出生日期和受孕日期",
            "請執行「kq-pregnancy-calendar --help」以取得更多資訊。"},
        LanguageCase {"Spanish", "es_ES.UTF-8", nullptr, "Elige la fecha de nacimiento de la madre",
            "Prueba 'kq-pregnancy-calendar --help' para más información."}),
    kq::test::RowName());

} // namespace
