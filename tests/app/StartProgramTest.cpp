// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The start of a run: one copy per user, the random numbers seeded from the time of day, the
// update reminder before any window, the main window shown and its offers stacked once.
#include "UiTestSupport.h"

#include "StartProgram.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QPushButton>
#include <QTest>

namespace kq::testing {
namespace {

class StartProgramTest : public WindowTest
{
protected:
    const QList<int> &exitCodes = terminator.exitCodes; // how EndProgram ended the "process"

    static int visibleWindows()
    {
        int visible = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            visible += window->isVisible() ? 1 : 0;
        return visible;
    }
};

TEST_F(StartProgramTest, ASecondCopySaysSoAndEndsWithoutAWindow)
{
    fake.instance.running = true;
    fake.random.values = {0.5f};
    int windowsWhileAsking = -1;
    fake.messages.onShow = [&](const ShownMessage &) { windowsWhileAsking = visibleWindows(); };

    EXPECT_FALSE(StartProgram(context));

    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].text, QLatin1String("Application is already running"));
    EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(fake.messages.shown[0].title.isEmpty()) << "the application's title";
    EXPECT_EQ(windowsWhileAsking, 0);
    EXPECT_EQ(exitCodes, QList<int> {0}) << "EndProgram ran once, after the message";
    EXPECT_TRUE(windows<frmMain>().isEmpty());
    EXPECT_EQ(visibleWindows(), 0);
    // Nothing else of the start ran: no seed, no draw, no reminder, no page.
    EXPECT_TRUE(fake.random.seeds.isEmpty());
    EXPECT_EQ(fake.random.values.size(), 1u);
    EXPECT_EQ(fake.settings.writes, 0);
    EXPECT_TRUE(fake.browser.opened.isEmpty());
    EXPECT_EQ(exitFlowRuns, 0);
}

TEST_F(StartProgramTest, ShowsTheMainWindowWithItsOffersStackedAtRandom)
{
    fake.clock.current = QDateTime(QDate(2009, 12, 1), QTime(1, 2, 3, 400));
    fake.random.values = {0.5f}; // 4: the fully-branded offer to the front

    EXPECT_TRUE(StartProgram(context));

    EXPECT_EQ(fake.instance.queries, 1);
    EXPECT_TRUE(exitCodes.isEmpty());
    // Seconds since midnight: the milliseconds do not count.
    EXPECT_EQ(fake.random.seeds, QList<std::uint32_t> {3600 + 120 + 3});
    frmMain *main = onlyWindow<frmMain>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->coBrandRandomNumber(), 4);
    QWidget *banner = control<QWidget>(main, "Frame5");
    EXPECT_EQ(
        banner->childAt(banner->rect().center())->objectName(), QLatin1String("lblFullBrand"));
    EXPECT_TRUE(fake.random.values.empty()) << "one number drawn";
    EXPECT_FALSE(fake.settings.values.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << "no question on the first run";
}

TEST_F(StartProgramTest, TheUpdateQuestionComesOnceBeforeTheMainWindowIsVisible)
{
    // A run 20 days ago stored its date.
    fake.clock.current = QDateTime(QDate(2009, 11, 11), QTime(9, 0));
    modHelp::RunUpdateReminder(fake.platform);
    fake.clock.current = QDateTime(QDate(2009, 12, 1), QTime(9, 0));
    int mainWindowsVisible = -1;
    int queriesBefore = -1;
    qsizetype seedsBefore = -1;
    fake.messages.onShow = [&](const ShownMessage &) {
        queriesBefore = fake.instance.queries;
        seedsBefore = fake.random.seeds.size();
        mainWindowsVisible = 0;
        for (frmMain *main : windows<frmMain>())
            mainWindowsVisible += main->isVisible() ? 1 : 0;
    };

    StartProgram(context);

    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(mainWindowsVisible, 0);
    EXPECT_EQ(queriesBefore, 1) << "the instance query comes first";
    EXPECT_EQ(seedsBefore, 1) << "then the seed";
    ASSERT_NE(onlyWindow<frmMain>(), nullptr);
    EXPECT_TRUE(onlyWindow<frmMain>()->isVisible());
}

// The offers of a main window created again after "&Back" lie as created, whatever the start
// chose: the drawing happens once per run.
TEST_F(StartProgramTest, BackShowsTheOffersAsCreated)
{
    fake.random.values = {0.5f};
    StartProgram(context);
    frmMain *main = onlyWindow<frmMain>();
    ASSERT_NE(main, nullptr);
    QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);
    QWidget *display = onlyWindow<frmDisplay>();
    ASSERT_NE(display, nullptr);
    QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);

    main = onlyWindow<frmMain>();
    ASSERT_NE(main, nullptr);
    QWidget *banner = control<QWidget>(main, "Frame5");
    EXPECT_EQ(banner->childAt(banner->rect().center())->objectName(), QLatin1String("lblCobrand"));
    EXPECT_EQ(main->coBrandRandomNumber(), 0);
}

} // namespace
} // namespace kq::testing
