// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The result window and the way between the two windows: "&Back" opens a fresh main window,
// and only the user's close (close box or File > Exit) runs the exit flow.
#include "UiTestSupport.h"

#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kq::testing {
namespace {

class ResultWindowTest : public WindowTest
{
protected:
    // A completed prediction for a girl: the result window is shown.
    frmDisplay *predictGirl()
    {
        fake.clock.current = QDateTime(QDate(2009, 11, 30), QTime(9, 30));
        auto *main = new frmMain(context);
        main->show();
        chooseBirth(main, {3, "June", 1980});
        chooseConception(main, {15, "March", 2009});
        QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);
        frmDisplay *display = onlyWindow<frmDisplay>();
        EXPECT_NE(display, nullptr);
        return display;
    }

    static QString selected(QWidget *window, const char *list)
    {
        return control<QComboBox>(window, list)->currentText();
    }
};

TEST_F(ResultWindowTest, ANewResultWindowShowsItsDesignedTexts)
{
    frmDisplay display(context);
    EXPECT_EQ(control<QLabel>(&display, "lblAge")->text(), QLatin1String("88"));
    EXPECT_EQ(control<QLabel>(&display, "lblGenderOfChild")->text(), QLatin1String("Boy"));
    EXPECT_EQ(control<QLabel>(&display, "lblCongratulationMsg")->text(),
        QLatin1String("Congratulations!! Your Baby is predicted to be a"));
    EXPECT_EQ(
        control<QLabel>(&display, "Label3")->text(), QLatin1String("Mother's Chinese Age is"));
    EXPECT_EQ(control<QWidget>(&display, "frmScreenColor")->palette().color(QPalette::Window),
        QColor(0, 0, 255));
    display.show();
    EXPECT_FALSE(control<QLabel>(&display, "lblColorOfBaby")->isVisible());
    EXPECT_FALSE(control<QLabel>(&display, "Label2")->isVisible());
}

TEST_F(ResultWindowTest, BackByButtonOrMenuOpensAFreshMainWindow)
{
    for (const bool viaMenu : {false, true}) {
        frmDisplay *display = predictGirl();
        ASSERT_NE(display, nullptr);
        fake.settings.values.clear(); // so that the update reminder's run shows in the store

        if (viaMenu)
            control<QAction>(display, "mnuFileBack")->trigger();
        else
            QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);

        EXPECT_TRUE(windows<frmDisplay>().isEmpty()) << "viaMenu " << viaMenu;
        frmMain *main = onlyWindow<frmMain>();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(QStringList({selected(main, "cmbDOBDate"), selected(main, "cmbDOBMonth"),
                      selected(main, "cmbDOBYear"), selected(main, "cmbConceptionDate"),
                      selected(main, "cmbConceptionMonth"), selected(main, "cmbConceptionYear")}),
            QStringList({"1", "January", "1915", "1", "January", "1960"}));
        EXPECT_EQ(control<QComboBox>(main, "cmbDOBYear")->count(), 98);
        EXPECT_EQ(control<QComboBox>(main, "cmbConceptionDate")->count(), 31);
        EXPECT_FALSE(fake.settings.values.isEmpty()) << "the update reminder ran again";
        EXPECT_EQ(exitFlowRuns, 0);
        delete main;
    }
}

// The focus starts on "&Back": Enter or the space bar goes back; on the main window the same
// keys on the focused button start the prediction.
TEST_F(ResultWindowTest, EnterOrSpaceOnTheFocusedButtonsSwitchWindows)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        frmDisplay *display = predictGirl();
        ASSERT_NE(display, nullptr);
        ASSERT_EQ(display->focusWidget(), control<QWidget>(display, "cmdBack"));
        QTest::keyClick(display->focusWidget(), key);
        frmMain *main = onlyWindow<frmMain>();
        ASSERT_NE(main, nullptr) << "key " << key;
        EXPECT_TRUE(windows<frmDisplay>().isEmpty());

        auto *button = control<QPushButton>(main, "cmdGetBabyGender");
        button->setFocus();
        QTest::keyClick(button, key);
        EXPECT_TRUE(windows<frmMain>().isEmpty());
        ASSERT_NE(onlyWindow<frmDisplay>(), nullptr);
        delete onlyWindow<frmDisplay>();
    }
    EXPECT_EQ(exitFlowRuns, 0);
}

TEST_F(ResultWindowTest, ASecondPredictionShowsOnlyItsOwnValues)
{
    frmDisplay *display = predictGirl();
    ASSERT_NE(display, nullptr);
    QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);
    frmMain *main = onlyWindow<frmMain>();
    ASSERT_NE(main, nullptr);
    fake.clock.current = QDateTime(QDate(2009, 12, 1), QTime(9, 30));
    chooseBirth(main, {3, "June", 1980});
    chooseConception(main, {10, "February", 2008});
    QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);

    display = onlyWindow<frmDisplay>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(control<QLabel>(display, "lblAge")->text(), QLatin1String("28"));
    EXPECT_EQ(control<QLabel>(display, "lblGenderOfChild")->text(), QLatin1String("Boy"));
    EXPECT_EQ(control<QWidget>(display, "frmScreenColor")->palette().color(QPalette::Window),
        QColor(0, 0, 255));
    EXPECT_EQ(exitFlowRuns, 0);
}

TEST_F(ResultWindowTest, WindowsClosedByTheEndOfTheRunDoNotStartTheExitFlowAgain)
{
    ASSERT_NE(predictGirl(), nullptr);
    auto *main = new frmMain(context);
    main->show();

    modHelp::EndProgram(fake.platform, terminator);

    EXPECT_EQ(terminator.exitCodes, QList<int> {0});
    EXPECT_TRUE(windows<frmMain>().isEmpty());
    EXPECT_TRUE(windows<frmDisplay>().isEmpty());
    EXPECT_EQ(exitFlowRuns, 0);
}

TEST_F(ResultWindowTest, PredictionsAndBackAnyNumberOfTimesNeverRunTheExitFlow)
{
    for (int round = 0; round < 3; ++round) {
        frmDisplay *display = predictGirl();
        ASSERT_NE(display, nullptr);
        QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);
        frmMain *main = onlyWindow<frmMain>();
        ASSERT_NE(main, nullptr);
        delete main;
    }
    EXPECT_EQ(exitFlowRuns, 0);
}

TEST_F(ResultWindowTest, TheCoBrandOfferLiesInFrontAndTheUpdateItemHasItsOwnCaption)
{
    frmDisplay *display = predictGirl();
    ASSERT_NE(display, nullptr);
    // The banner's click goes to the offer in front.
    QWidget *banner = control<QWidget>(display, "Frame5");
    EXPECT_EQ(banner->childAt(banner->rect().center())->objectName(), QLatin1String("lblCobrand"));
    EXPECT_EQ(control<QAction>(display, "mnuUpdate")->text(),
        QLatin1String("&Check for Software Update"));
}

TEST_F(ResultWindowTest, TheAboutBoxOpensModallyAndReturnsToAnUnchangedResultWindow)
{
    frmDisplay *display = predictGirl();
    ASSERT_NE(display, nullptr);
    whileModal([&] { control<QAction>(display, "mnuAbout")->trigger(); },
        [](QDialog *about) {
            EXPECT_NE(qobject_cast<frmAbout *>(about), nullptr);
            EXPECT_TRUE(about->isModal());
            QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
        });
    EXPECT_EQ(onlyWindow<frmDisplay>(), display);
    EXPECT_TRUE(windows<frmAbout>().isEmpty()) << "the about box is unloaded";
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(control<QLabel>(display, "lblGenderOfChild")->text(), QLatin1String("Girl"));
    EXPECT_EQ(exitFlowRuns, 0);
}

} // namespace
} // namespace kq::testing
