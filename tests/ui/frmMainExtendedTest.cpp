// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The main window of a run started with --extended-calendar: its lists reach from 1901 (births
// from 1856) to 2099, it opens on today's date, "&Back" returns to that opening, a conception
// in the current year is predicted from the official calendar, and the date check knows that
// 1900 was no leap year. Without the option the window is unchanged (the main window's own tests).
#include "RowName.h"
#include "UiTestSupport.h"

#include "frmDisplay.h"
#include "frmMain.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kq::testing {
namespace {

class ExtendedMainWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        context.extendedCalendar = true;
        fake.clock.current = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    }

    frmMain *openMain()
    {
        auto *main = new frmMain(context);
        main->show();
        return main;
    }

    // The six selections, birth first.
    static QStringList selections(QWidget *window)
    {
        QStringList texts;
        for (const char *list : {"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear", "cmbConceptionDate",
                 "cmbConceptionMonth", "cmbConceptionYear"})
            texts.append(control<QComboBox>(window, list)->currentText());
        return texts;
    }

    void clickGetGender(QWidget *main)
    {
        QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);
    }
};

const QStringList OpeningOn8December2026 = {"1", "January", "1996", "8", "December", "2026"};

TEST_F(ExtendedMainWindowTest, ListsReachFrom1901And1856To2099)
{
    frmMain *main = openMain();
    EXPECT_EQ(entries(main, "cmbConceptionYear"), numbers(1901, 2099));
    EXPECT_EQ(entries(main, "cmbDOBYear"), numbers(1856, 2099));
    EXPECT_EQ(entries(main, "cmbConceptionDate"), numbers(1, 31));
    EXPECT_EQ(entries(main, "cmbDOBDate"), numbers(1, 31));
    EXPECT_EQ(entries(main, "cmbConceptionMonth").size(), 12);
    EXPECT_EQ(entries(main, "cmbDOBMonth").size(), 12);
    EXPECT_EQ(main->focusWidget(), control<QWidget>(main, "cmbDOBDate"));
}

// Today from the platform's clock for the conception, 1 January thirty years earlier for the
// birth; a clock outside the lists opens on the nearest year they offer.
struct OpeningCase
{
    const char *name;
    QDate today;
    QStringList selections;
};

class ExtendedOpening : public ExtendedMainWindowTest,
                        public ::testing::WithParamInterface<OpeningCase>
{
};

TEST_P(ExtendedOpening, OpensOnToday)
{
    fake.clock.current = QDateTime(GetParam().today, QTime(23, 59));
    EXPECT_EQ(selections(openMain()), GetParam().selections);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExtendedOpening,
    ::testing::Values(OpeningCase {"Today", {2026, 12, 8}, OpeningOn8December2026},
        OpeningCase {"LeapDay", {2028, 2, 29}, {"1", "January", "1998", "29", "February", "2028"}},
        OpeningCase {"FirstYear", {1901, 1, 1}, {"1", "January", "1871", "1", "January", "1901"}},
        OpeningCase {"LastDay", {2099, 12, 31}, {"1", "January", "2069", "31", "December", "2099"}},
        OpeningCase {
            "ClockPastTheLists", {2100, 3, 5}, {"1", "January", "2069", "1", "January", "2099"}},
        OpeningCase {
            "ClockBeforeTheLists", {1899, 7, 4}, {"1", "January", "1871", "1", "January", "1901"}}),
    kq::test::RowName());

// A conception in the current year, from the lists as they open and on the day a lunar month
// begins; "&Back" then opens the lists on today again, not on the dates just chosen.
struct CurrentYearCase
{
    const char *name;
    Date birth; // day 0: the lists as they open
    Date conception;
    const char *age;
    const char *gender;
};

class ExtendedPrediction : public ExtendedMainWindowTest,
                           public ::testing::WithParamInterface<CurrentYearCase>
{
};

TEST_P(ExtendedPrediction, PredictsFromTheOfficialCalendarAndBackReturnsToToday)
{
    const CurrentYearCase &row = GetParam();
    frmMain *main = openMain();
    if (row.birth.day != 0) {
        chooseBirth(main, row.birth);
        chooseConception(main, row.conception);
    }
    clickGetGender(main);

    EXPECT_TRUE(fake.messages.shown.isEmpty());
    frmDisplay *display = onlyWindow<frmDisplay>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(control<QLabel>(display, "lblAge")->text(), QLatin1String(row.age));
    EXPECT_EQ(control<QLabel>(display, "lblGenderOfChild")->text(), QLatin1String(row.gender));
    EXPECT_EQ(control<QLabel>(display, "lblCongratulationMsg")->text(),
        QLatin1String("Congratulations!! Your predicted to have a Baby"));

    QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);
    frmMain *again = onlyWindow<frmMain>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(selections(again), OpeningOn8December2026);
    EXPECT_EQ(exitFlowRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExtendedPrediction,
    ::testing::Values(
        // 2026 - 1996 + 1 = 31; lunar month 10 (began 9 November 2026): a girl.
        CurrentYearCase {"AsTheListsOpen", {0, "", 0}, {0, "", 0}, "31", "Girl"},
        // 2026 - 1990 + 1 = 37; lunar month 4 still (month 5 begins on 15 June 2026): a boy.
        CurrentYearCase {"DayBeforeMonth5", {3, "May", 1990}, {14, "June", 2026}, "37", "Boy"},
        // 37 in lunar month 5: a girl.
        CurrentYearCase {"Month5Begins", {3, "May", 1990}, {15, "June", 2026}, "37", "Girl"}),
    kq::test::RowName());

// The calendar's leap years: 29 February 1900 does not exist, 29 February 1904 and 2000 do.
struct LeapDayCase
{
    const char *name;
    Date birth;
    Date conception;
    const char *message; // nullptr: both dates pass
};

class ExtendedDateCheck : public ExtendedMainWindowTest,
                          public ::testing::WithParamInterface<LeapDayCase>
{
};

TEST_P(ExtendedDateCheck, UsesTheGregorianLeapYears)
{
    const LeapDayCase &row = GetParam();
    frmMain *main = openMain();
    chooseBirth(main, row.birth);
    chooseConception(main, row.conception);
    control<QWidget>(main, "cmdGetBabyGender")->setFocus();

    EXPECT_EQ(main->ValidateDates(), row.message == nullptr);
    if (row.message) {
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].text, QLatin1String(row.message));
        EXPECT_EQ(main->focusWidget(), control<QWidget>(main, "cmbDOBDate"));
    } else {
        EXPECT_TRUE(fake.messages.shown.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ExtendedDateCheck,
    ::testing::Values(LeapDayCase {"Birth29February1900Refused", {29, "February", 1900},
                          {1, "May", 1930}, "Please Enter Correct Date Of Birth !"},
        LeapDayCase {"Birth29February1904", {29, "February", 1904}, {1, "May", 1930}, nullptr},
        LeapDayCase {"Conception29February2000", {1, "May", 1970}, {29, "February", 2000}, nullptr},
        LeapDayCase {
            "Conception29February2096", {1, "May", 2070}, {29, "February", 2096}, nullptr}),
    kq::test::RowName());

} // namespace
} // namespace kq::testing
