// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Screen readers and the keyboard: every window's keyboard order reaches its controls with names
// a screen reader can announce, and a whole run (a prediction, back, the about box, leaving)
// works with keys alone, access keys included.
#include "UiTestSupport.h"

#include "ScreenReader.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMetaEnum>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace kq::testing {
namespace {

// One stop of the keyboard order as a screen reader finds it: the control, its role, name and
// description, and the labels it is labelled by. Qt on Linux gives a list's current entry as its
// name and leaves the list's purpose to its label; AT-SPI passes all of these on unchanged.
struct Stop
{
    std::string control;
    QAccessible::Role role;
    std::string name;
    std::string description;
    std::vector<std::string> labelledBy;

    bool operator==(const Stop &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Stop &stop)
{
    out << stop.control << " " << QMetaEnum::fromType<QAccessible::Role>().valueToKey(stop.role)
        << " \"" << stop.name << "\" (" << stop.description << ")";
    for (const std::string &label : stop.labelledBy)
        out << " labelled by \"" << label << "\"";
    return out;
}

QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

Stop stopAt(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    if (!face)
        return {control->objectName().toStdString(), QAccessible::NoRole, "", "", {}};
    std::vector<std::string> labels;
    for (const auto &[label, relation] : face->relations(QAccessible::Label))
        labels.push_back(label->text(QAccessible::Name).toStdString());
    return {control->objectName().toStdString(), face->role(),
        face->text(QAccessible::Name).toStdString(),
        face->text(QAccessible::Description).toStdString(), labels};
}

// A date list as a screen reader finds it, showing its entry and labelled by its purpose. Qt
// names a list by its entry on Unix desktops, where AT-SPI reads the label through the relation,
// and by its label on Windows.
Stop dateList(const char *control, const char *entry, const char *label)
{
#ifdef Q_OS_UNIX
    return {control, QAccessible::ComboBox, entry, "", {label}};
#else
    Q_UNUSED(entry);
    return {control, QAccessible::ComboBox, label, "", {label}};
#endif
}

class AccessibilityTest : public WindowTest
{
protected:
    static void activate(QWidget *window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Presses Tab from the control that has the focus until the focus comes back to it.
    static std::vector<Stop> tabStops()
    {
        std::vector<Stop> stops;
        QWidget *first = QApplication::focusWidget();
        if (!first)
            return stops;
        QWidget *current = first;
        do {
            stops.push_back(stopAt(current));
            QTest::keyClick(current, Qt::Key_Tab);
            current = QApplication::focusWidget();
        } while (current && current != first && stops.size() < 20);
        return stops;
    }

    static QWidget *focus() { return QApplication::focusWidget(); }

    // Types a list entry's text, as a user picks a year without opening the list.
    static void type(const char *text)
    {
        for (const char *c = text; *c; ++c)
            QTest::keyClick(focus(), *c);
    }

    static void key(Qt::Key which, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), which, modifiers);
    }

    // Opens a menu of the active window by its access key and chooses an item by its own.
    static void menu(Qt::Key menuKey, Qt::Key itemKey)
    {
        key(menuKey, Qt::AltModifier);
        QWidget *popup = QApplication::activePopupWidget();
        ASSERT_NE(qobject_cast<QMenu *>(popup), nullptr) << "no menu opened";
        QTest::keyClick(popup, itemKey);
    }
};

TEST_F(AccessibilityTest, MainWindowKeyboardOrderNamesEveryStop)
{
    auto *main = new frmMain(context);
    activate(main);
    EXPECT_EQ(tabStops(),
        (std::vector<Stop> {dateList("cmbDOBDate", "1", "Mother's date of birth, day"),
            dateList("cmbDOBMonth", "January", "Mother's date of birth, month"),
            dateList("cmbDOBYear", "1915", "Mother's date of birth, year"),
            dateList("cmbConceptionDate", "1", "Date of conception, day"),
            dateList("cmbConceptionMonth", "January", "Date of conception, month"),
            dateList("cmbConceptionYear", "1960", "Date of conception, year"),
            {"cmdGetBabyGender", QAccessible::Button, "Get My Baby's Gender",
                "Predicts the baby's gender from the two dates", {}}}));
    // Windows and macOS read a list's accessible name; its label is never drawn.
    auto *list = control<QWidget>(main, "cmbDOBDate");
    EXPECT_EQ(list->accessibleName(), QLatin1String("Mother's date of birth, day"));
    EXPECT_FALSE(control<QLabel>(main, "cmbDOBDateLabel")->isVisible());
    // The date frames are named after their captions, without the dashes.
    EXPECT_EQ(accessibleText(control<QWidget>(main, "Frame3"), QAccessible::Name),
        QLatin1String("Date Of Birth Of The Mother"));
    EXPECT_EQ(accessibleText(control<QWidget>(main, "Frame4"), QAccessible::Name),
        QLatin1String("Date Of Conception Of The Child"));
    // The banner texts are announced as links.
    for (const char *link : {"Label61", "lblFullBrand", "lblCobrand"}) {
        auto *label = control<QLabel>(main, link);
        EXPECT_EQ(accessibleText(label, QAccessible::Name), label->text()) << link;
        EXPECT_EQ(accessibleText(label, QAccessible::Description), QLatin1String("link")) << link;
    }
}

TEST_F(AccessibilityTest, ResultIsReadWithTheFocusedBackButton)
{
    auto *display = new frmDisplay(context);
    display->setAge(28);
    display->ApplyGenderChart(Gender::Girl);
    display->showColourOfGender(Gender::Girl);
    display->setCongratulation(CongratulationLine::NineMonthsOrMore);
    display->showInPlaceOfMain();
    activate(display);

    const QString result = QStringLiteral(
        "Mother's Chinese Age is 28. Congratulations!! Your Baby is predicted to be a Girl");
    EXPECT_EQ(tabStops(),
        (std::vector<Stop> {{"cmdBack", QAccessible::Button, "Back", result.toStdString(), {}}}));
    EXPECT_EQ(accessibleText(control<QWidget>(display, "frmScreenColor"), QAccessible::Name),
        QLatin1String("Prediction"));
    EXPECT_EQ(accessibleText(control<QWidget>(display, "lblAge"), QAccessible::Description),
        QLatin1String("Mother's Chinese age"));
    EXPECT_EQ(
        accessibleText(control<QWidget>(display, "lblGenderOfChild"), QAccessible::Description),
        QLatin1String("Predicted gender of the baby"));
}

TEST_F(AccessibilityTest, AboutBoxKeyboardOrderNamesEveryStop)
{
    frmAbout about(fake.platform);
    activate(&about);
    EXPECT_EQ(tabStops(),
        (std::vector<Stop> {{"cmdOK", QAccessible::Button, "OK", "Closes the about box", {}},
            {"picIcon", QAccessible::Graphic, "Application icon", "", {}}}));
    for (const char *link : {"lblHomePage", "lblCoBrand"})
        EXPECT_EQ(accessibleText(control<QWidget>(&about, link), QAccessible::Description),
            QLatin1String("link"))
            << link;
    about.close();
}

TEST_F(AccessibilityTest, SupportWindowIsAWindowAndNamesEveryStop)
{
    auto window = std::make_unique<frmNagScreen2>(fake.platform, [] {});
    activate(window.get());
    // Announced as a window with the full title when it comes up, as the main window is.
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), QLatin1String("KQ Rurevir Ivideruzi Zuduzire v1.95"));

    std::vector<Stop> stops = tabStops();
    ASSERT_EQ(stops.size(), 8u);
    // The check box names the forum's address, which the build chooses.
    EXPECT_EQ(stops[1].name.rfind("Yes, take me to the discussion forum at ", 0), 0u) << stops[1];
    stops[1].name.clear();
    const std::vector<std::string> form {"Refer A Friend"};
    constexpr auto Text = QAccessible::EditableText;
    EXPECT_EQ(stops,
        (std::vector<Stop> {{"cmdClose", QAccessible::Button, "Exit", "Ends the program", {}},
            {"Check1", QAccessible::CheckBox, "", "", {}}, {"txtName", Text, "Your Name", "", form},
            {"txtEmail", Text, "Your Email Address", "", form},
            {"txtFriendName", Text, "Friend's Name", "", form},
            {"txtFriendEmail", Text, "Friend's Email Address", "", form},
            {"txtMessage", Text, "Your Message", "", form},
            {"cmdSubmit", QAccessible::Button, "Refer A Friend Now",
                "Opens the referral in your web browser", form}}));
    EXPECT_EQ(
        accessibleText(control<QWidget>(window.get(), "picNagscreen2Icon"), QAccessible::Name),
        QLatin1String("Application icon"));
}

// A screen reader that asked about a window before it was marked still learns it is a window.
TEST_F(AccessibilityTest, WindowAskedAboutEarlyIsAnnouncedAsAWindow)
{
    QWidget window(nullptr, Qt::Window);
    window.setWindowTitle(QStringLiteral("Early"));
    ASSERT_NE(QAccessible::queryAccessibleInterface(&window), nullptr);
    announceAsWindow(&window);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), QLatin1String("Early"));
}

// A whole run with the keyboard alone: pick the dates, ask for the prediction, open and close the
// about box, go back, and leave through File > Exit.
TEST_F(AccessibilityTest, WholeRunWithKeysAlone)
{
    auto *main = new frmMain(context);
    activate(main);
    ASSERT_EQ(focus(), control<QWidget>(main, "cmbDOBDate"));

    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("1980");
    key(Qt::Key_Tab);
    key(Qt::Key_Down); // the 2nd
    key(Qt::Key_Tab);
    key(Qt::Key_Down); // February
    key(Qt::Key_Tab);
    type("2010");
    EXPECT_EQ(control<QComboBox>(main, "cmbDOBYear")->currentText(), QLatin1String("1980"));
    EXPECT_EQ(control<QComboBox>(main, "cmbConceptionDate")->currentText(), QLatin1String("2"));
    EXPECT_EQ(
        control<QComboBox>(main, "cmbConceptionMonth")->currentText(), QLatin1String("February"));
    EXPECT_EQ(control<QComboBox>(main, "cmbConceptionYear")->currentText(), QLatin1String("2010"));
    key(Qt::Key_Tab);
    ASSERT_EQ(focus(), control<QWidget>(main, "cmdGetBabyGender"));
    key(Qt::Key_Return);

    frmDisplay *display = onlyWindow<frmDisplay>();
    ASSERT_NE(display, nullptr) << "no result window";
    EXPECT_TRUE(windows<frmMain>().isEmpty());
    activate(display);
    ASSERT_EQ(focus(), control<QWidget>(display, "cmdBack"));
    EXPECT_TRUE(accessibleText(focus(), QAccessible::Description)
                    .startsWith(QLatin1String("Mother's Chinese Age is ")));

    // Help > About Software, then Esc.
    whileModal([&] { menu(Qt::Key_H, Qt::Key_A); },
        [&](QDialog *about) {
            EXPECT_EQ(qobject_cast<frmAbout *>(about), about);
            activate(about);
            EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(about, "cmdOK"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    EXPECT_EQ(onlyWindow<frmDisplay>(), display);

    // Back with Enter on the focused button: a fresh main window.
    activate(display);
    key(Qt::Key_Return);
    frmMain *again = onlyWindow<frmMain>();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(windows<frmDisplay>().isEmpty());
    activate(again);
    EXPECT_EQ(control<QComboBox>(again, "cmbDOBYear")->currentText(), QLatin1String("1915"));

    // File > Exit leaves: the exit flow runs once.
    menu(Qt::Key_F, Qt::Key_X);
    settle();
    EXPECT_TRUE(windows<frmMain>().isEmpty());
    EXPECT_EQ(exitFlowRuns, 1);
}

// The access keys of the buttons: Alt with the underlined letter presses the button (Qt lets it
// up, and so clicks it, a tenth of a second later).
class AccessKeyTest : public AccessibilityTest
{
protected:
    static void pressesByAccessKey(QWidget *window, const char *name, Qt::Key letter)
    {
        activate(window);
        auto *button = control<QPushButton>(window, name);
        QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
        EXPECT_TRUE(button->isDown()) << name;
    }
};

TEST_F(AccessKeyTest, MainResultAndAboutButtons)
{
    pressesByAccessKey(new frmMain(context), "cmdGetBabyGender", Qt::Key_G);
    pressesByAccessKey(new frmDisplay(context), "cmdBack", Qt::Key_B);
    frmAbout about(fake.platform);
    pressesByAccessKey(&about, "cmdOK", Qt::Key_O);
}

// The support window is the only window left when it shows.
TEST_F(AccessKeyTest, SupportWindowButtons)
{
    auto support = std::make_unique<frmNagScreen2>(fake.platform, [] {});
    pressesByAccessKey(support.get(), "cmdSubmit", Qt::Key_N);
    pressesByAccessKey(support.get(), "cmdClose", Qt::Key_X);
}

} // namespace
} // namespace kq::testing
