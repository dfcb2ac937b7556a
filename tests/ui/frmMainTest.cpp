// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The main window as the user meets it: the lists, the date check, the prediction handing over
// to the result window, the age message, the offers' stacking and the menus.
#include "RowName.h"
#include "UiTestSupport.h"

#include "frmDisplay.h"
#include "frmMain.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

namespace kq::testing {
namespace {

class MainWindowTest : public WindowTest
{
protected:
    frmMain *openMain()
    {
        auto *main = new frmMain(context);
        main->show();
        return main;
    }

    static QString selected(QWidget *window, const char *list)
    {
        return control<QComboBox>(window, list)->currentText();
    }

    void clickGetGender(QWidget *main)
    {
        QTest::mouseClick(control<QPushButton>(main, "cmdGetBabyGender"), Qt::LeftButton);
    }

    // The six selections, birth first.
    static QStringList selections(QWidget *window)
    {
        return {selected(window, "cmbDOBDate"), selected(window, "cmbDOBMonth"),
            selected(window, "cmbDOBYear"), selected(window, "cmbConceptionDate"),
            selected(window, "cmbConceptionMonth"), selected(window, "cmbConceptionYear")};
    }
};

const QStringList Months = {"January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December"};
const QStringList InitialSelections = {"1", "January", "1915", "1", "January", "1960"};

TEST_F(MainWindowTest, ListsHoldTheDaysMonthsAndYearsAndStartAtTheFirstEntries)
{
    frmMain *main = openMain();
    EXPECT_EQ(entries(main, "cmbDOBDate"), numbers(1, 31));
    EXPECT_EQ(entries(main, "cmbConceptionDate"), numbers(1, 31));
    EXPECT_EQ(entries(main, "cmbDOBMonth"), Months);
    EXPECT_EQ(entries(main, "cmbConceptionMonth"), Months);
    EXPECT_EQ(entries(main, "cmbDOBYear"), numbers(1915, 2012));
    EXPECT_EQ(entries(main, "cmbConceptionYear"), numbers(1960, 2012));
    EXPECT_EQ(selections(main), InitialSelections);
    for (const char *list : {"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear", "cmbConceptionDate",
             "cmbConceptionMonth", "cmbConceptionYear"})
        EXPECT_FALSE(control<QComboBox>(main, list)->isEditable()) << list;
    EXPECT_EQ(main->focusWidget(), control<QWidget>(main, "cmbDOBDate"));
}

// The year lists are narrow: their text field still shows a whole year, and every list shows
// white on maroon.
TEST_F(MainWindowTest, ListsShowTheirEntriesWholeInTheirColours)
{
    frmMain *main = openMain();
    for (const char *name : {"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear", "cmbConceptionDate",
             "cmbConceptionMonth", "cmbConceptionYear"}) {
        auto *list = control<QComboBox>(main, name);
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
        EXPECT_GE(field.width(), widest + 4) << name; // the text keeps a little margin
        EXPECT_EQ(list->palette().color(QPalette::Button), QColor(64, 0, 0)) << name;
        EXPECT_EQ(list->palette().color(QPalette::ButtonText), QColor(Qt::white)) << name;
    }
}

TEST_F(MainWindowTest, TabGoesThroughBirthDateThenConceptionDateThenTheButton)
{
    frmMain *main = openMain();
    QStringList order;
    QWidget *widget = control<QWidget>(main, "cmbDOBDate");
    for (int i = 0; i < 7; ++i) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(main))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order,
        QStringList({"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear", "cmbConceptionDate",
            "cmbConceptionMonth", "cmbConceptionYear", "cmdGetBabyGender"}));
}

struct DateCheckCase
{
    const char *name;
    Date birth;
    Date conception;
    const char *message; // nullptr: both dates pass
    const char *focus; // the list that has the focus afterwards
};

class DateCheckTest : public MainWindowTest, public ::testing::WithParamInterface<DateCheckCase>
{
};

TEST_P(DateCheckTest, ImpossibleDaysAreRejectedWithTheirMessageAndFocus)
{
    const DateCheckCase &row = GetParam();
    frmMain *main = openMain();
    chooseBirth(main, row.birth);
    chooseConception(main, row.conception);
    const QStringList chosen = selections(main);
    // The focus starts elsewhere, so that a focus move shows.
    control<QWidget>(main, "cmdGetBabyGender")->setFocus();

    const bool accepted = main->ValidateDates();

    EXPECT_EQ(accepted, row.message == nullptr);
    if (row.message) {
        ASSERT_EQ(fake.messages.shown.size(), 1);
        EXPECT_EQ(fake.messages.shown[0].text, QLatin1String(row.message));
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_TRUE(fake.messages.shown[0].title.isEmpty()); // the application's title
    } else {
        EXPECT_TRUE(fake.messages.shown.isEmpty());
    }
    EXPECT_EQ(main->focusWidget()->objectName(), QLatin1String(row.focus));
    EXPECT_EQ(selections(main), chosen);
}

constexpr const char *Conception = "Please Enter Correct Date Of Conception !";
constexpr const char *ConceptionOf = "Please Enter Correct Date Of of Conception !";
constexpr const char *Birth = "Please Enter Correct Date Of Birth !";

// Which days exist is the engine's table (DateCheckTest of the engine); here, one row for each
// message and focus the window gives, read from the lists as the user set them.
INSTANTIATE_TEST_SUITE_P(Rows, DateCheckTest,
    ::testing::Values(DateCheckCase {"Conception29Feb2000", {1, "January", 1980},
                          {29, "February", 2000}, nullptr, "cmdGetBabyGender"},
        DateCheckCase {"Conception29Feb2001", {1, "January", 1980}, {29, "February", 2001},
            Conception, "cmbConceptionDate"},
        DateCheckCase {"Conception31April", {1, "January", 1980}, {31, "April", 1999}, ConceptionOf,
            "cmbConceptionDate"},
        DateCheckCase {
            "Birth29Feb1915", {29, "February", 1915}, {1, "May", 1999}, Birth, "cmbDOBDate"},
        DateCheckCase {"BothImpossibleConceptionFirst", {31, "September", 1970},
            {30, "February", 2004}, Conception, "cmbConceptionDate"}),
    kq::test::RowName());

TEST_F(MainWindowTest, CreatingTheWindowRunsTheUpdateReminder)
{
    EXPECT_TRUE(fake.settings.values.isEmpty());
    frmMain *main = openMain();
    EXPECT_FALSE(fake.settings.values.isEmpty()) << "the first run stores today's date";
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    delete main;
}

// The reminder's question, when due, comes first; whatever the answer, the prediction goes on
// with its date check.
TEST_F(MainWindowTest, TheUpdateReminderComesBeforeTheDateCheck)
{
    frmMain *main = openMain(); // stores today, 1 December 2009
    fake.clock.current = fake.clock.current.addDays(15);
    chooseConception(main, {31, "April", 2001});
    fake.messages.answers = {MessageAnswer::Yes};

    clickGetGender(main);

    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(fake.messages.shown[0].text.startsWith(QLatin1String("There maybe an update")));
    EXPECT_EQ(fake.messages.shown[1].text, QLatin1String(ConceptionOf));
    EXPECT_EQ(fake.browser.opened.size(), 1) << "Yes opens the download page";
    EXPECT_TRUE(fake.browser.opened[0].endsWith("page=download-web-page"));
    EXPECT_EQ(onlyWindow<frmMain>(), main);
}

TEST_F(MainWindowTest, AnImpossibleDateStopsThePredictionWithOneMessage)
{
    frmMain *main = openMain();
    chooseBirth(main, {31, "September", 1970});
    chooseConception(main, {30, "February", 2004});
    clickGetGender(main);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].text, QLatin1String(Conception));
    EXPECT_EQ(windows<frmMain>().size(), 1);
    EXPECT_TRUE(windows<frmDisplay>().isEmpty());
    EXPECT_EQ(engine.MotherChineseAge, 0);
    EXPECT_EQ(engine.ConceptionLunarMonth, 0);
}

struct PredictionCase
{
    const char *name;
    Date birth;
    Date conception;
    QDate today;
    const char *age;
    const char *gender;
    QColor panel;
    const char *congratulation;
    bool viaMenu;
};

class PredictionTest : public MainWindowTest, public ::testing::WithParamInterface<PredictionCase>
{
};

// The whole way from the lists to the result window, by the button or the File menu.
TEST_P(PredictionTest, TheResultWindowTakesThePlaceOfTheMainWindow)
{
    const PredictionCase &row = GetParam();
    fake.clock.current = QDateTime(row.today, QTime(9, 30));
    frmMain *main = openMain();
    chooseBirth(main, row.birth);
    chooseConception(main, row.conception);

    if (row.viaMenu)
        control<QAction>(main, "mnufileGender")->trigger();
    else
        clickGetGender(main);

    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(windows<frmMain>().isEmpty()) << "the main window is closed and deleted";
    frmDisplay *display = onlyWindow<frmDisplay>();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(control<QLabel>(display, "lblAge")->text(), QLatin1String(row.age));
    EXPECT_EQ(control<QLabel>(display, "lblGenderOfChild")->text(), QLatin1String(row.gender));
    EXPECT_EQ(control<QLabel>(display, "lblCongratulationMsg")->text(),
        QLatin1String(row.congratulation));
    QWidget *panel = control<QWidget>(display, "frmScreenColor");
    EXPECT_TRUE(panel->autoFillBackground());
    EXPECT_EQ(panel->palette().color(QPalette::Window), row.panel);
    EXPECT_EQ(display->focusWidget(), control<QWidget>(display, "cmdBack"));
    EXPECT_EQ(exitFlowRuns, 0) << "a window switch is not an exit";

    // Every line of the panel shows whole.
    for (const char *name : {"lblAge", "lblGenderOfChild", "lblCongratulationMsg"}) {
        auto *line = control<QLabel>(display, name);
        EXPECT_LE(QFontMetricsF(line->font()).horizontalAdvance(line->text()), line->width())
            << name;
    }
    // The colour's name is written but never visible.
    for (QLabel *label : display->findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("Blue") || label->text() == QLatin1String("Pink")) {
            EXPECT_FALSE(label->isVisible()) << label->objectName().toStdString();
        }
    }
}

const QColor Blue(0, 0, 255);
const QColor Pink(255, 105, 180);
constexpr const char *Expecting = "Congratulations!! Your predicted to have a Baby";
constexpr const char *Predicted = "Congratulations!! Your Baby is predicted to be a";

INSTANTIATE_TEST_SUITE_P(Rows, PredictionTest,
    ::testing::Values(
        // 2008 - 1980 = 28 (no new-year step on 10 February), lunar month 1: a boy.
        PredictionCase {"Boy", {3, "June", 1980}, {10, "February", 2008}, {2009, 12, 1}, "28",
            "Boy", Blue, Predicted, false},
        // 2009 - 1980 + 1 = 30, lunar month 2: a girl; eight months on, still expecting.
        PredictionCase {"Girl", {3, "June", 1980}, {15, "March", 2009}, {2009, 11, 30}, "30",
            "Girl", Pink, Expecting, false},
        PredictionCase {"GirlByTheMenu", {3, "June", 1980}, {15, "March", 2009}, {2009, 11, 30},
            "30", "Girl", Pink, Expecting, true},
        PredictionCase {"BoyByTheMenu", {3, "June", 1980}, {10, "February", 2008}, {2009, 12, 1},
            "28", "Boy", Blue, Predicted, true},
        // The lists as they open: 45 and lunar month 12.
        PredictionCase {"InitialSelections", {1, "January", 1915}, {1, "January", 1960},
            {2009, 12, 1}, "45", "Boy", Blue, Predicted, false}),
    kq::test::RowName());

TEST_F(MainWindowTest, AnAgeOutsideTheChartIsRefusedAndTheMainWindowStays)
{
    for (const bool viaMenu : {false, true}) {
        fake.messages.shown.clear();
        frmMain *main = openMain();
        chooseBirth(main, {31, "December", 1990});
        chooseConception(main, {1, "January", 2000});
        const QStringList chosen = selections(main);

        if (viaMenu)
            control<QAction>(main, "mnufileGender")->trigger();
        else
            clickGetGender(main);

        ASSERT_EQ(fake.messages.shown.size(), 1) << "viaMenu " << viaMenu;
        EXPECT_EQ(fake.messages.shown[0].text,
            QStringLiteral("                      Check The Date Of Conception.\r\n"
                           "Mother's Age Must Be Between 18 to 45 at Time Of Conception !"));
        EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(onlyWindow<frmMain>(), main);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(selections(main), chosen);
        EXPECT_TRUE(windows<frmDisplay>().isEmpty());
        EXPECT_EQ(engine.MotherChineseAge, 10);
        EXPECT_EQ(engine.ConceptionLunarMonth, 0) << "the lunar month is not looked up";
        delete main;
    }
}

// CoBrand_Randomize: r * 6 + 1 rounded half to even; 1, 3, 5 bring the co-brand offer to the
// front, 2, 4, 6 the fully-branded offer, 7 changes nothing.
struct StackingCase
{
    const char *name;
    float drawn;
    int number;
    bool fullBrandInFront; // starting from each stacking in turn
    bool unchanged;
};

class StackingTest : public MainWindowTest, public ::testing::WithParamInterface<StackingCase>
{
};

TEST_P(StackingTest, TheDrawnNumberDecidesWhichOfferIsInFront)
{
    const StackingCase &row = GetParam();
    for (const bool fullBrandFirst : {false, true}) {
        frmMain *main = openMain();
        QWidget *banner = control<QWidget>(main, "Frame5");
        if (fullBrandFirst)
            control<QWidget>(main, "lblFullBrand")->raise();
        const QPoint middle = banner->rect().center();
        QWidget *before = banner->childAt(middle);

        fake.random.values = {row.drawn};
        main->CoBrand_Randomize();

        EXPECT_EQ(main->coBrandRandomNumber(), row.number);
        QWidget *front = banner->childAt(middle);
        if (row.unchanged)
            EXPECT_EQ(front, before);
        else
            EXPECT_EQ(front->objectName(),
                row.fullBrandInFront ? QLatin1String("lblFullBrand") : QLatin1String("lblCobrand"));

        // The offer in front is the one a click on the banner opens.
        fake.browser.opened.clear();
        QTest::mouseClick(front, Qt::LeftButton);
        ASSERT_EQ(fake.browser.opened.size(), 1);
        EXPECT_TRUE(fake.browser.opened[0].endsWith(front->objectName() == "lblCobrand"
                ? QByteArray("page=co-brand")
                : QByteArray("page=fully-branded")));
        delete main;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StackingTest,
    ::testing::Values(StackingCase {"ZeroGivesOne", 0.0f, 1, false, false},
        StackingCase {"OneAndAHalfRoundsToTwo", 1.0f / 12.0f, 2, true, false},
        StackingCase {"Three", 0.35f, 3, false, false},
        StackingCase {"TwoAndAHalfRoundsToTwo", 0.25f, 2, true, false},
        StackingCase {"Four", 0.5f, 4, true, false}, StackingCase {"Five", 0.7f, 5, false, false},
        StackingCase {"FiveAndAHalfRoundsToSix", 0.75f, 6, true, false},
        StackingCase {"SevenChangesNothing", 0.95f, 7, false, true},
        StackingCase {"JustBelowOne", 0.99999994f, 7, false, true}),
    kq::test::RowName());

TEST_F(MainWindowTest, TheMenusCarryTheirCaptionsAndMakeMoneyIsNotUsable)
{
    frmMain *main = openMain();
    struct Item
    {
        const char *name;
        const char *caption;
    };
    for (const Item item :
        {Item {"mnufileGender", "Get My Baby's Gender"}, Item {"mnuExit", "E&xit"},
            Item {"mnuOnline", "&Online Help"}, Item {"mnuVisit", "&Visit Us Online"},
            Item {"mnuUpdate", "Check for Software &Update"}, Item {"mnuAbout", "&About Software"},
            Item {"mnuDonate", "&Donate"}, Item {"mnumakemoney", "Make Money &Online"}}) {
        auto *action = control<QAction>(main, item.name);
        EXPECT_EQ(action->text(), QLatin1String(item.caption));
        EXPECT_TRUE(action->shortcut().isEmpty()) << item.name;
    }
    EXPECT_EQ(control<QMenu>(main, "mnufile")->title(), QLatin1String("&File"));
    EXPECT_EQ(control<QMenu>(main, "mnuHelp")->title(), QLatin1String("&Help"));
    QStringList help;
    for (QAction *action : control<QMenu>(main, "mnuHelp")->actions())
        help.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(help, QStringList({"mnuOnline", "mnuVisit", "-", "mnuUpdate", "-", "mnuAbout"}));
    auto *makeMoney = control<QAction>(main, "mnumakemoney");
    EXPECT_FALSE(makeMoney->isVisible() && makeMoney->isEnabled());
}

} // namespace
} // namespace kq::testing
