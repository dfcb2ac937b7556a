// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What the main and the result window share, row by row for both: every link and menu item
// opens its own page and leaves the window as it was, and the user's close (close box or
// File > Exit) runs the exit flow once, after the window has gone.
#include "RowName.h"
#include "UiTestSupport.h"

#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace kq::testing {
namespace {

enum class Window { Main, Result };

class AdvertWindowTest : public WindowTest
{
protected:
    // The window shown: a fresh main window, or the result window of a prediction.
    QWidget *open(Window which)
    {
        auto *main = new frmMain(context);
        main->show();
        if (which == Window::Main)
            return main;
        QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);
        return onlyWindow<frmDisplay>();
    }
};

enum class How { MenuItem, Click };

struct LinkRow
{
    const char *name;
    Window window;
    How how;
    PageLink link;
};

class LinkTest : public AdvertWindowTest, public ::testing::WithParamInterface<LinkRow>
{
};

TEST_P(LinkTest, OpensItsPageAndLeavesTheWindowAsItWas)
{
    const LinkRow &row = GetParam();
    QWidget *window = open(row.window);
    ASSERT_NE(window, nullptr);
    if (row.how == How::MenuItem)
        control<QAction>(window, row.link.control)->trigger();
    else
        QTest::mouseClick(control<QWidget>(window, row.link.control), Qt::LeftButton);
    EXPECT_EQ(fake.browser.opened, QList<QByteArray> {PageScript + row.link.page});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(exitFlowRuns, 0);
}

std::vector<LinkRow> linkRows()
{
    std::vector<LinkRow> rows;
    for (const auto &[window, prefix] :
        {std::pair {Window::Main, "Main_"}, std::pair {Window::Result, "Result_"}}) {
        for (const PageLink &link : MenuPageLinks)
            rows.push_back({prefix, window, How::MenuItem, link});
        for (const PageLink &link : BannerPageLinks)
            rows.push_back({prefix, window, How::Click, link});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, LinkTest, ::testing::ValuesIn(linkRows()),
    [](const auto &info) { return std::string(info.param.name) + info.param.link.control; });

// How a window was closed by the user.
struct CloseRow
{
    const char *name;
    Window window;
    bool closeBox; // else File > Exit
};

class CloseTest : public AdvertWindowTest, public ::testing::WithParamInterface<CloseRow>
{
};

TEST_P(CloseTest, TheUsersCloseRunsTheExitFlowOnceTheWindowHasGone)
{
    const CloseRow &row = GetParam();
    QWidget *window = open(row.window);
    ASSERT_NE(window, nullptr);
    if (row.closeBox)
        window->windowHandle()->close(); // what the window manager's close box does
    else
        control<QAction>(window, "mnuExit")->trigger();
    EXPECT_EQ(exitFlowRuns, 0) << "the exit flow starts once the window has gone";

    EXPECT_TRUE(windows<frmMain>().isEmpty());
    EXPECT_TRUE(windows<frmDisplay>().isEmpty());
    EXPECT_EQ(exitFlowRuns, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, CloseTest,
    ::testing::Values(CloseRow {"MainCloseBox", Window::Main, true},
        CloseRow {"MainFileExit", Window::Main, false},
        CloseRow {"ResultCloseBox", Window::Result, true},
        CloseRow {"ResultFileExit", Window::Result, false}),
    kq::test::RowName());

} // namespace
} // namespace kq::testing
