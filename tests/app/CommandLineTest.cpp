// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program's command line: what each reading of the arguments decides, and the
// built program asked for its help and version where there is no display.
#include "CommandLine.h"
#include "RowName.h"
#include "RunProgram.h"

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
    const kq::CommandLine line = kq::ReadCommandLine(row.arguments, row.stage);
    EXPECT_EQ(line.run, row.run);
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

// The built program, with no display of any kind in its environment.
ProgramRun RunWithoutDisplay(const QStringList &arguments, const QString &outputFile = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return kq::test::RunProgram(
        QStringLiteral(KQ_PROGRAM_PATH), arguments, {}, environment, 60000, outputFile);
}

// Only the whole option turns the extended calendar on. The program takes it from the reading
// after the toolkit, when the toolkit's own options are gone.
TEST(ExtendedCalendar, IsOnOnlyWhenAsked)
{
    EXPECT_FALSE(kq::ReadCommandLine({Path}, After).extendedCalendar);
    EXPECT_FALSE(kq::ReadCommandLine({Path, "--extended"}, After).extendedCalendar);
    EXPECT_TRUE(kq::ReadCommandLine({Path, "--extended-calendar"}, After).extendedCalendar);
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

TEST(ProgramOffscreen, RefusesAnOptionItDoesNotKnow)
{
    // On the offscreen platform the toolkit starts, so the second reading decides.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProgramRun run = kq::test::RunProgram(
        QStringLiteral(KQ_PROGRAM_PATH), {QStringLiteral("--no-such-option")}, {}, environment);
    EXPECT_EQ(run.status, kq::ExitUsage);
    EXPECT_TRUE(run.err.contains("Unknown option 'no-such-option'")) << run.err.constData();
}

} // namespace
