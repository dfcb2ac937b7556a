// The start of a run: the random numbers seeded from the time of day, the update reminder
// before any window, the main window shown and its offers stacked once.
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
};

TEST_F(StartProgramTest, ShowsTheMainWindowWithItsOffersStackedAtRandom)
{
    fake.clock.current = QDateTime(QDate(2009, 12, 1), QTime(1, 2, 3, 400));
    fake.random.values = {0.5f}; // 4: the fully-branded offer to the front

    StartProgram(context);

    EXPECT_EQ(fake.random.seeds, QList<std::uint32_t> {(3600 + 120 + 3) * 1000 + 400});
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
    fake.messages.onShow = [&](const ShownMessage &) {
        mainWindowsVisible = 0;
        for (frmMain *main : windows<frmMain>())
            mainWindowsVisible += main->isVisible() ? 1 : 0;
    };

    StartProgram(context);

    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(mainWindowsVisible, 0);
    ASSERT_NE(onlyWindow<frmMain>(), nullptr);
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
