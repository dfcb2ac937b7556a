// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program started where there is no display: one clear line on standard error and
// a failure status, not the toolkit's abort with a core dump; nothing of the run happens (no
// settings written).
#include "DisplayCheck.h"
#include "RowName.h"
#include "RunProgram.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DisplayCase
{
    const char *name;
    const char *platform;
    const char *display;
    const char *wayland;
    bool missing;
};

class MissingDisplay : public ::testing::TestWithParam<DisplayCase>
{
};

TEST_P(MissingDisplay, IsJudgedFromThePlatformAndTheVariables)
{
    const DisplayCase &row = GetParam();
    const char *reason = kq::MissingDisplayReason(QString::fromLatin1(row.platform),
        QString::fromLatin1(row.display), QString::fromLatin1(row.wayland));
    EXPECT_EQ(reason != nullptr, row.missing) << (reason ? reason : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingDisplay,
    ::testing::Values(DisplayCase {"DefaultWithNothing", "", "", "", true},
        DisplayCase {"DefaultWithX11", "", ":0", "", false},
        DisplayCase {"DefaultWithWayland", "", "", "wayland-0", false},
        DisplayCase {"XcbWithNothing", "xcb", "", "", true},
        DisplayCase {"XcbWithOnlyWayland", "xcb", "", "wayland-0", true},
        DisplayCase {"XcbWithOptions", "xcb:nograb", "", "", true},
        DisplayCase {"XcbWithX11", "xcb", ":1", "", false},
        DisplayCase {"Offscreen", "offscreen", "", "", false},
        DisplayCase {"WaylandLeftToTheToolkit", "wayland", "", "", false},
        DisplayCase {"ListWithAFallback", "wayland;xcb", "", "", false},
        DisplayCase {"ListOfXcbOnly", "xcb;xcb", "", "", true}),
    kq::test::RowName());

using kq::test::ProgramRun;

ProgramRun RunProgram(const QProcessEnvironment &environment)
{
    return kq::test::RunProgram(QStringLiteral(KQ_PROGRAM_PATH), {}, {}, environment);
}

class NoDisplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(".config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath("runtime"));
    }

    void ExpectOneClearLineAndNothingDone(
        const ProgramRun &finished, const char *opening = "cannot open a display: ")
    {
        // An abort or a core dump would be no exit status at all (-1).
        EXPECT_EQ(finished.status, kq::ExitNoDisplay);
        EXPECT_TRUE(finished.err.startsWith(opening)) << finished.err.constData();
        EXPECT_EQ(finished.err.count('\n'), 1) << finished.err.constData();
        EXPECT_TRUE(finished.err.endsWith('\n'));
        EXPECT_TRUE(finished.out.isEmpty());
        EXPECT_FALSE(QDir(home.filePath(".config")).exists()); // no setting written
    }

    QTemporaryDir home;
    QProcessEnvironment environment;
};

TEST_F(NoDisplay, NoDisplayVariablesAtAll)
{
    ExpectOneClearLineAndNothingDone(RunProgram(environment));
}

TEST_F(NoDisplay, X11AskedForWithoutDisplay)
{
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    ExpectOneClearLineAndNothingDone(RunProgram(environment));
}

// DISPLAY names a server that is not there: only the toolkit's attempt can tell, and its fatal
// error becomes the same one line.
TEST_F(NoDisplay, DisplayThatNamesNoServer)
{
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711"));
    ExpectOneClearLineAndNothingDone(RunProgram(environment));
}

// The line comes before the toolkit is started, and is in the desktop's language all the same.
struct LanguageLine
{
    const char *name;
    const char *lang;
    const char *display; // nullptr: not set
    const char *opening;
};

class NoDisplayInLanguage : public NoDisplay, public ::testing::WithParamInterface<LanguageLine>
{
};

TEST_P(NoDisplayInLanguage, SaysSoInIt)
{
    const LanguageLine &row = GetParam();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(row.lang));
    if (row.display) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(row.display));
    }
    ExpectOneClearLineAndNothingDone(RunProgram(environment), row.opening);
}

INSTANTIATE_TEST_SUITE_P(Rows, NoDisplayInLanguage,
    ::testing::Values(LanguageLine {"SimplifiedChinese", "zh_CN.UTF-8", nullptr,
                          "无法打开显示器：未设置 DISPLAY 和 WAYLAND_DISPLAY；"},
        LanguageLine {"TraditionalChineseNoServer", "zh_TW.UTF-8", ":4711",
            "無法開啟顯示器：無法連接視窗系統（DISPLAY=:4711）；"},
        LanguageLine {"Spanish", "es_ES.UTF-8", nullptr, "no se puede abrir una pantalla: "},
        LanguageLine {"German", "de_DE.UTF-8", nullptr, "cannot open a display: "}),
    kq::test::RowName());

} // namespace
