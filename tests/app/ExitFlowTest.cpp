// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The exit flow, row by row: which user actions close which window, when the support window
// appears, and when the run ends (EndProgram: every window closed, the instance given up,
// status 0). The program's real windows on the offscreen platform, with the fake services.
#include "RowName.h"
#include "UiTestSupport.h"

#include "ExitFlow.h"
#include "StartProgram.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modHelp.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace kq::testing {
namespace {

enum class Start { MainWindow, ResultWindow };

enum class Action {
    CloseBox, // the window manager's close box of the window in front
    FileExit,
    GetMyBabysGender, // the button on the main window
    FileGetMyBabysGender,
    Back, // the button on the result window
    FileBack,
    PredictAndBackThreeTimes,
    AboutOk,
    AboutCloseBox,
    SupportCloseBox, // after closing the window in front with its close box
    SupportExit, // likewise, then "E&xit"
};

struct Row
{
    const char *name;
    Start start;
    Action action;
    // What the user sees afterwards.
    int mainWindows;
    int resultWindows;
    bool supportShown;
    bool ended; // EndProgram ran (once)
};

class ExitFlowTest : public WindowTest, public ::testing::WithParamInterface<Row>
{
protected:
    const QList<int> &exitCodes = terminator.exitCodes;

    void SetUp() override
    {
        // Wired as the program wires it.
        context.exitFlow = [this] { RunExitFlow(context); };
    }

    // The window in front: the one main or result window that is open.
    static QWidget *front()
    {
        settle();
        for (QWidget *window : QApplication::topLevelWidgets())
            if ((qobject_cast<frmMain *>(window) || qobject_cast<frmDisplay *>(window))
                && window->isVisible())
                return window;
        return nullptr;
    }

    static frmNagScreen2 *supportWindow()
    {
        const QList<frmNagScreen2 *> found = windows<frmNagScreen2>();
        return found.size() == 1 ? found.front() : nullptr;
    }

    static int visibleWindows()
    {
        settle();
        int visible = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            visible += window->isVisible() ? 1 : 0;
        return visible;
    }

    static void closeBox(QWidget *window)
    {
        ASSERT_NE(window, nullptr);
        window->windowHandle()->close(); // what the window manager's close box does
    }

    static void trigger(QWidget *window, const char *action)
    {
        ASSERT_NE(window, nullptr);
        control<QAction>(window, action)->trigger();
    }

    static void click(QWidget *window, const char *button)
    {
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }

    void aboutBox(bool okButton)
    {
        QWidget *owner = front();
        ASSERT_NE(owner, nullptr);
        whileModal([&] { trigger(owner, "mnuAbout"); },
            [&](QDialog *about) {
                ASSERT_NE(qobject_cast<frmAbout *>(about), nullptr);
                if (okButton)
                    click(about, "cmdOK");
                else
                    closeBox(about);
            });
    }

    void perform(Action action)
    {
        switch (action) {
        case Action::CloseBox:
            closeBox(front());
            break;
        case Action::FileExit:
            trigger(front(), "mnuExit");
            break;
        case Action::GetMyBabysGender:
            click(front(), "cmdGetBabyGender");
            break;
        case Action::FileGetMyBabysGender:
            trigger(front(), "mnufileGender");
            break;
        case Action::Back:
            click(front(), "cmdBack");
            break;
        case Action::FileBack:
            trigger(front(), "mnuFileBack");
            break;
        case Action::PredictAndBackThreeTimes:
            for (int i = 0; i < 3; ++i) {
                click(front(), "cmdGetBabyGender");
                click(front(), "cmdBack");
            }
            break;
        case Action::AboutOk:
            aboutBox(true);
            break;
        case Action::AboutCloseBox:
            aboutBox(false);
            break;
        case Action::SupportCloseBox:
        case Action::SupportExit:
            closeBox(front());
            ASSERT_NE(supportWindow(), nullptr);
            ASSERT_TRUE(exitCodes.isEmpty()) << "the support window does not end the run itself";
            if (action == Action::SupportCloseBox)
                closeBox(supportWindow());
            else
                click(supportWindow(), "cmdClose");
            break;
        }
        settle();
    }
};

TEST_P(ExitFlowTest, Row)
{
    const Row &row = GetParam();
    ASSERT_TRUE(StartProgram(context));
    if (row.start == Start::ResultWindow)
        click(front(), "cmdGetBabyGender");
    ASSERT_NE(front(), nullptr);
    ASSERT_EQ(supportWindow(), nullptr) << "no support window while the program runs";

    perform(row.action);

    EXPECT_EQ(windows<frmMain>().size(), row.mainWindows);
    EXPECT_EQ(windows<frmDisplay>().size(), row.resultWindows);
    EXPECT_TRUE(windows<frmAbout>().isEmpty());
    frmNagScreen2 *support = supportWindow();
    if (row.ended) {
        EXPECT_EQ(exitCodes, QList<int> {0}) << "EndProgram ends with status 0, once";
        EXPECT_EQ(fake.instance.releases, 1) << "the instance is given up";
        EXPECT_EQ(visibleWindows(), 0) << "every window is closed";
    } else {
        EXPECT_TRUE(exitCodes.isEmpty());
        EXPECT_EQ(fake.instance.releases, 0);
        EXPECT_EQ(support != nullptr && support->isVisible(), row.supportShown);
        if (row.supportShown) {
            EXPECT_EQ(visibleWindows(), 1) << "the support window is the only window left";
            EXPECT_TRUE(support->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(support->windowTitle(), FullTitle());
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ExitFlowTest, ::testing::Values(
    //  name                     start                 action                           main result support ended
    Row {"MainCloseBox",         Start::MainWindow,   Action::CloseBox,                 0, 0, true,  false},
    Row {"MainFileExit",         Start::MainWindow,   Action::FileExit,                 0, 0, true,  false},
    Row {"ResultCloseBox",       Start::ResultWindow, Action::CloseBox,                 0, 0, true,  false},
    Row {"ResultFileExit",       Start::ResultWindow, Action::FileExit,                 0, 0, true,  false},
    Row {"GetMyBabysGender",     Start::MainWindow,   Action::GetMyBabysGender,         0, 1, false, false},
    Row {"FileGetMyBabysGender", Start::MainWindow,   Action::FileGetMyBabysGender,     0, 1, false, false},
    Row {"Back",                 Start::ResultWindow, Action::Back,                     1, 0, false, false},
    Row {"FileBack",             Start::ResultWindow, Action::FileBack,                 1, 0, false, false},
    Row {"PredictAndBackThrice", Start::MainWindow,   Action::PredictAndBackThreeTimes, 1, 0, false, false},
    Row {"AboutOkOnMain",        Start::MainWindow,   Action::AboutOk,                  1, 0, false, false},
    Row {"AboutCloseBoxOnMain",  Start::MainWindow,   Action::AboutCloseBox,            1, 0, false, false},
    Row {"AboutOkOnResult",      Start::ResultWindow, Action::AboutOk,                  0, 1, false, false},
    Row {"SupportCloseBox",      Start::MainWindow,   Action::SupportCloseBox,          0, 0, false, true},
    Row {"SupportExit",          Start::ResultWindow, Action::SupportExit,              0, 0, false, true}),
    kq::test::RowName());
// clang-format on

class ExitFlowOnceTest : public ExitFlowTest
{
};

// The flow queued by a user's close finds the run already ending (EndProgram has closed the
// windows in between): no farewell window comes up any more.
TEST_F(ExitFlowOnceTest, NoSupportWindowOnceTheRunIsEnding)
{
    ASSERT_TRUE(StartProgram(context));
    modHelp::EndProgram(fake.platform, terminator);
    RunExitFlow(context);
    EXPECT_EQ(supportWindow(), nullptr);
    EXPECT_EQ(exitCodes, QList<int> {0});
}

// Shown a second time, the support window is the same one, with the support text drawn when it
// was created.
TEST_F(ExitFlowOnceTest, TheSupportWindowIsCreatedOncePerRun)
{
    fake.random.values = {0.0f, 0.9f};
    RunExitFlow(context);
    frmNagScreen2 *first = supportWindow();
    ASSERT_NE(first, nullptr);
    const QString text = control<QLabel>(first, "Label2")->text();
    first->hide();
    RunExitFlow(context);
    EXPECT_EQ(supportWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(control<QLabel>(first, "Label2")->text(), text);
    EXPECT_TRUE(exitCodes.isEmpty());
}

} // namespace
} // namespace kq::testing
