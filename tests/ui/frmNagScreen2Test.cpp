// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the support window, driven as a user would: clicks and keys on the real widgets,
// with fake message boxes, browser, clock and random source.
#include "frmNagScreen2.h"
#include "FakePlatform.h"
#include "OffscreenPlatform.h"
#include "Referral.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using kq::frmNagScreen2;
using kq::MessageButtons;
using kq::MessageIcon;

// Every page address up to the page's key, from the build's publisher site.
const QByteArray PageScript
    = QByteArrayLiteral(KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/ssd.php?page=");

class SupportWindow : public ::testing::Test
{
protected:
    kq::testing::FakePlatform fake;
    int endProgramRuns = 0;
    std::unique_ptr<frmNagScreen2> window;

    void SetUp() override { open(0.5f); }

    void open(float r)
    {
        fake.random.values = {r};
        fake.random.seeds.clear();
        fake.messages.shown.clear();
        fake.browser.opened.clear();
        window = std::make_unique<frmNagScreen2>(fake.platform, [this] { ++endProgramRuns; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *line(const char *name) const { return control<QLineEdit>(name); }
    QPlainTextEdit *message() const { return control<QPlainTextEdit>("txtMessage"); }

    static QString textOf(QWidget *box)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            return edit->text();
        return static_cast<QPlainTextEdit *>(box)->toPlainText();
    }

    // Replaces the whole text, as a program (or a paste over a selection) would.
    static void setTextOf(QWidget *box, const QString &text)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            edit->setText(text);
        else
            static_cast<QPlainTextEdit *>(box)->setPlainText(text);
    }

    // Types the text key by key; letters beyond ASCII arrive as their text, as from an input
    // method.
    static void type(QWidget *box, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, char(c.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &press);
            }
        }
    }

    // Clicks into a box, as the user does to type into it.
    void clickInto(QWidget *box)
    {
        auto *edit = qobject_cast<QPlainTextEdit *>(box);
        QTest::mouseClick(edit ? edit->viewport() : box, Qt::LeftButton);
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
    }

    void click(const char *name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &shown : fake.messages.shown)
            texts << shown.text;
        return texts;
    }

    // Every message of the window is an error with OK under the application's title.
    void expectErrorBoxes() const
    {
        for (const auto &shown : fake.messages.shown) {
            EXPECT_EQ(shown.icon, MessageIcon::Error) << shown.text.toStdString();
            EXPECT_EQ(shown.buttons, MessageButtons::Ok);
            EXPECT_TRUE(shown.title.isEmpty() || shown.title == kq::ApplicationTitle());
        }
    }
};

TEST_F(SupportWindow, OpensWithItsDesignedTextsOnTopAndFixed)
{
    EXPECT_EQ(window->objectName(), "frmNagScreen2");
    EXPECT_EQ(window->windowTitle(), kq::FullTitle());
    EXPECT_EQ(control<QLabel>("lblNagScreen2Caption")->text(), kq::FullTitle());
    EXPECT_FALSE(control<QLabel>("picNagscreen2Icon")->pixmap().isNull());
    EXPECT_EQ(control<QGroupBox>("Frame6")->title(), "Download Corvane Softwares");
    EXPECT_EQ(control<QLabel>("lblGoToHome")->text(), "Click Here To Visit Corvane Softwares");
    EXPECT_FALSE(control<QLabel>("Label3")->text().isEmpty());
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(control<QGroupBox>("Frame2")->title(), "Refer A Friend");
    EXPECT_EQ(control<QPushButton>("cmdSubmit")->text(), "Refer A Friend &Now");
    EXPECT_EQ(control<QPushButton>("cmdClose")->text(), "E&xit");

    EXPECT_EQ(line("txtName")->text(), "Your Name");
    EXPECT_EQ(line("txtEmail")->text(), "Your Email Address");
    EXPECT_EQ(line("txtFriendName")->text(), "Friend's Name");
    EXPECT_EQ(line("txtFriendEmail")->text(), "Friend's Email Address");
    EXPECT_EQ(message()->toPlainText(), "Your Message");
    EXPECT_EQ(message()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    // Re-seeded from the clock, in seconds since midnight (the fake clock says 12:00).
    EXPECT_EQ(fake.random.seeds, QList<std::uint32_t> {12 * 3600});
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}

TEST_F(SupportWindow, SupportTextFollowsTheDrawAndNeverLeavesTheFour)
{
    struct Row
    {
        const char *name;
        float r;
        int index;
    };
    const Row rows[] = {
        {"zero", 0.0f, 0},
        {"just below a quarter", 0.2499f, 0},
        {"a quarter", 0.25f, 1},
        {"a half", 0.5f, 2},
        {"largest below one", 0.9999999f, 3},
        {"a source that strays to one", 1.0f, 3},
        {"a source that strays below zero", -0.25f, 0},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(frmNagScreen2::SupportTextIndex(row.r), row.index) << row.name;
        open(row.r);
        EXPECT_EQ(control<QLabel>("Label2")->text(), frmNagScreen2::SupportText(row.index))
            << row.name;
    }
    QStringList texts;
    for (int k = 0; k < frmNagScreen2::SupportTextCount; ++k)
        texts << frmNagScreen2::SupportText(k);
    texts.removeDuplicates();
    EXPECT_EQ(texts.size(), 4);
    for (const QString &text : texts)
        EXPECT_TRUE(text.contains("forum")) << text.toStdString();
}

TEST_F(SupportWindow, PlaceholdersClearOnFocusInAndComeBackOnEmptyFocusOut)
{
    struct Row
    {
        const char *box;
        QString placeholder;
    };
    const Row rows[] = {
        {"txtName", "Your Name"},
        {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address"},
        {"txtMessage", "Your Message"},
    };
    QWidget *elsewhere = control<QWidget>("cmdClose");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.box);
        QWidget *box = control<QWidget>(row.box);

        clickInto(box);
        EXPECT_EQ(textOf(box), "");
        elsewhere->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(textOf(box), row.placeholder) << "left empty";

        // (Spaces are pasted: the e-mail boxes refuse a typed space.)
        clickInto(box);
        setTextOf(box, "   ");
        elsewhere->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(textOf(box), row.placeholder) << "left with only spaces";

        clickInto(box);
        type(box, "Hello");
        elsewhere->setFocus(Qt::TabFocusReason);
        clickInto(box);
        EXPECT_EQ(textOf(box), "Hello") << "text is kept";

        // The placeholder with spaces around it is still the placeholder; another case is not.
        elsewhere->setFocus(Qt::TabFocusReason);
        setTextOf(box, "  " + row.placeholder + " ");
        clickInto(box);
        EXPECT_EQ(textOf(box), "");
        elsewhere->setFocus(Qt::TabFocusReason);
        setTextOf(box, row.placeholder.toLower());
        clickInto(box);
        EXPECT_EQ(textOf(box), row.placeholder.toLower());
    }
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

// Focus that comes with the window's activation. Without a window manager, the user's first
// click into a box of the window that is not active yet gives the box its focus only with the
// activation: that is still the user moving into the box. A message box or a context menu over
// an emptied box takes the focus away and gives it back: the box stays empty.
TEST_F(SupportWindow, FocusThatComesWithTheWindowClearsOnlyAfterAClickIntoTheBox)
{
    enum class Before { ClickWhileInactive, MessageBoxOverEmptiedBox, ContextMenuOverEmptiedBox };
    struct Row
    {
        const char *name;
        const char *box;
        Before before;
    };
    const Row rows[] = {
        {"first click into the inactive window", "txtName", Before::ClickWhileInactive},
        {"first click into the inactive window, message box", "txtMessage",
            Before::ClickWhileInactive},
        {"message box over an emptied box", "txtName", Before::MessageBoxOverEmptiedBox},
        {"context menu over an emptied box", "txtFriendName", Before::ContextMenuOverEmptiedBox},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        open(0.5f);
        QWidget *box = control<QWidget>(row.box);
        QWidget *input = qobject_cast<QPlainTextEdit *>(box) ? message()->viewport() : box;
        QWidget other; // what the user had active before
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

        switch (row.before) {
        case Before::ClickWhileInactive:
            ASSERT_FALSE(window->isActiveWindow());
            QTest::mouseClick(input, Qt::LeftButton);
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            break;
        case Before::MessageBoxOverEmptiedBox:
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            clickInto(box);
            other.activateWindow(); // the message box
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            break;
        case Before::ContextMenuOverEmptiedBox: {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            clickInto(box);
            QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
            QApplication::sendEvent(box, &out);
            QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
            QApplication::sendEvent(box, &in);
            break;
        }
        }
        ASSERT_TRUE(box->hasFocus());
        EXPECT_EQ(textOf(box), "");
        type(box, "Ann");
        EXPECT_EQ(textOf(box), "Ann");
    }
}

TEST_F(SupportWindow, TabMovesThroughTheFormClearingAndRestoring)
{
    clickInto(line("txtName"));
    QTest::keyClick(line("txtName"), Qt::Key_Tab);
    EXPECT_TRUE(line("txtEmail")->hasFocus());
    EXPECT_EQ(line("txtName")->text(), "Your Name");
    EXPECT_EQ(line("txtEmail")->text(), "");
}

// Under a dark desktop theme the window keeps its white background: every text on it must be
// drawn dark, not in the theme's light text colour.
TEST(SupportWindowColours, TextsStayReadableUnderADarkDesktopPalette)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(53, 53, 53));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 236));
    QApplication::setPalette(dark);
    kq::testing::FakePlatform fake;
    frmNagScreen2 window(fake.platform, [] {});
    window.show();

    // Text drawn on the window's background, and text drawn in a box on the box's background.
    struct Row
    {
        const char *control;
        QPalette::ColorRole text;
        QPalette::ColorRole background;
    };
    const Row rows[] = {
        {"lblNagScreen2Caption", QPalette::WindowText, QPalette::Window},
        {"Label2", QPalette::WindowText, QPalette::Window},
        {"Check1", QPalette::WindowText, QPalette::Window},
        {"Frame6", QPalette::WindowText, QPalette::Window}, // the frame's caption
        {"Frame6", QPalette::Text, QPalette::Window}, // (some styles draw it in this role)
        {"Frame2", QPalette::WindowText, QPalette::Window},
        {"Frame2", QPalette::Text, QPalette::Window},
        {"Label3", QPalette::WindowText, QPalette::Window},
        {"txtName", QPalette::Text, QPalette::Base},
        {"txtMessage", QPalette::Text, QPalette::Base},
    };
    const QColor white(Qt::white);
    EXPECT_EQ(window.palette().color(QPalette::Window), white);
    for (const Row &row : rows) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(row.control));
        ASSERT_NE(widget, nullptr) << row.control;
        const QColor text = widget->palette().color(row.text);
        const QColor background = widget->palette().color(row.background);
        EXPECT_GT(std::abs(text.lightnessF() - background.lightnessF()), 0.5)
            << row.control << ": " << text.name().toStdString() << " on "
            << background.name().toStdString();
    }
    QApplication::setPalette(light);
}

TEST_F(SupportWindow, SpaceIsRefusedInTheEmailBoxesOnly)
{
    // A real message box takes the focus while it is open; the box must get it back.
    fake.messages.onShow = [this](const kq::testing::ShownMessage &) {
        control<QWidget>("cmdSubmit")->setFocus(Qt::OtherFocusReason);
    };
    for (const char *name : {"txtEmail", "txtFriendEmail"}) {
        SCOPED_TRACE(name);
        fake.messages.shown.clear();
        QLineEdit *box = line(name);
        clickInto(box);
        type(box, "ann @example.com");
        EXPECT_EQ(box->text(), "ann@example.com");
        EXPECT_EQ(messageTexts(), QStringList {"Email Address Cannot Contain Space"});
        EXPECT_TRUE(box->hasFocus());
    }
    expectErrorBoxes();

    fake.messages.shown.clear();
    clickInto(line("txtName"));
    type(line("txtName"), "Ann Lee");
    clickInto(line("txtFriendName"));
    type(line("txtFriendName"), "Bob Lee");
    EXPECT_EQ(line("txtName")->text(), "Ann Lee");
    EXPECT_EQ(line("txtFriendName")->text(), "Bob Lee");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // Pasted text is not checked.
    line("txtEmail")->setText(QString());
    line("txtEmail")->insert("a b@example.com");
    EXPECT_EQ(line("txtEmail")->text(), "a b@example.com");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

// The form's five texts; nullptr leaves the box as it was (holding its placeholder).
struct Form
{
    const char *name = nullptr;
    const char *email = nullptr;
    const char *message = nullptr;
    const char *friendName = nullptr;
    const char *friendEmail = nullptr;
};

TEST_F(SupportWindow, ChecksRunInOrderWithTheirMessages)
{
    const Form good {"Ann", "ann@example.com", "Hello", "Bob", "bob@example.org"};
    struct Row
    {
        const char *name;
        Form form;
        const char *message; // nullptr: the referral is sent
    };
    const Row rows[] = {
        {"untouched form", {}, "Please Enter Proper Email Address"},
        {"both e-mails empty", {"Ann", "", "Hello", "Bob", ""},
            "Please Enter Distinct Email Addresses"},
        {"both e-mails only spaces", {"Ann", "  ", "Hello", "Bob", " "},
            "Please Enter Distinct Email Addresses"},
        {"same address twice", {"Ann", "ann@example.com", "Hi", "Bob", " ann@example.com "},
            "Please Enter Distinct Email Addresses"},
        {"addresses differing in case only are distinct",
            {"Ann", "ann@example.com", "Hi", "Bob", "Ann@example.com"}, nullptr},
        {"user address without @", {"Ann", "ann.example.com", "Hi", "Bob", "bob@example.org"},
            "Please Enter Proper Email Address"},
        {"friend address without @", {"Ann", "ann@example.com", "Hi", "Bob", "bob.example.org"},
            "Please Enter Proper Email Address"},
        {"user address without dot", {"Ann", "ann@example", "Hi", "Bob", "bob@example.org"},
            "Please Enter Proper Email Address"},
        {"friend address without dot", {"Ann", "ann@example.com", "Hi", "Bob", "bob@example"},
            "Please Enter Proper Email Address"},
        {"friend e-mail untouched", {"Ann", "ann@example.com", "Hi", "Bob", nullptr},
            "Please Enter Proper Email Address"},
        {"name untouched", {nullptr, good.email, good.message, good.friendName, good.friendEmail},
            "Please Enter Your Name"},
        {"name of only spaces",
            {"   ", good.email, good.message, good.friendName, good.friendEmail},
            "Please Enter Your Name"},
        {"name comes before message", {nullptr, good.email, nullptr, nullptr, good.friendEmail},
            "Please Enter Your Name"},
        {"message untouched", {"Ann", good.email, nullptr, "Bob", good.friendEmail},
            "Please Enter Your Message"},
        {"message empty", {"Ann", good.email, "", "Bob", good.friendEmail},
            "Please Enter Your Message"},
        {"message before friend's name", {"Ann", good.email, " ", nullptr, good.friendEmail},
            "Please Enter Your Message"},
        {"friend's name untouched", {"Ann", good.email, "Hi", nullptr, good.friendEmail},
            "Please Enter Your Friend's Name"},
        {"friend's name empty", {"Ann", good.email, "Hi", "", good.friendEmail},
            "Please Enter Your Friend's Name"},
        {"complete form", good, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        open(0.5f);
        const auto set = [this](const char *box, const char *text) {
            if (text)
                line(box)->setText(QString::fromUtf8(text));
        };
        set("txtName", row.form.name);
        set("txtEmail", row.form.email);
        set("txtFriendName", row.form.friendName);
        set("txtFriendEmail", row.form.friendEmail);
        if (row.form.message)
            message()->setPlainText(QString::fromUtf8(row.form.message));

        click("cmdSubmit");
        if (row.message) {
            EXPECT_EQ(messageTexts(), QStringList {QString::fromUtf8(row.message)});
            EXPECT_TRUE(fake.browser.opened.isEmpty());
        } else {
            EXPECT_TRUE(fake.messages.shown.isEmpty()) << messageTexts().join(" | ").toStdString();
            EXPECT_EQ(fake.browser.opened.size(), 1);
        }
        expectErrorBoxes();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(endProgramRuns, 0);
    }
}

TEST_F(SupportWindow, CompleteFormOpensTheReferralAddressEachTimeAndKeepsItsTexts)
{
    const auto fill = [this](QWidget *box, const QString &text) {
        clickInto(box);
        type(box, text);
    };
    fill(line("txtName"), "  Ann & Lee ");
    fill(line("txtEmail"), "ann+kq@example.com");
    fill(line("txtFriendName"), QStringLiteral("Zoë #1"));
    fill(line("txtFriendEmail"), "zoe@example.org");
    fill(message(), "Look: 100% fun?");
    QTest::keyClick(message(), Qt::Key_Return);
    type(message(), "&taf6=x ");

    click("cmdSubmit");
    click("cmdSubmit");

    const kq::ReferralRequest expected {"Ann & Lee", "ann+kq@example.com",
        "Look: 100% fun?\n&taf6=x", QStringLiteral("Zoë #1"), "zoe@example.org"};
    const QByteArray address = kq::ReferralAddress(expected);
    EXPECT_EQ(fake.browser.opened, (QList<QByteArray> {address, address}));
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << messageTexts().join(" | ").toStdString();

    EXPECT_EQ(line("txtName")->text(), "  Ann & Lee ");
    EXPECT_EQ(message()->toPlainText(), "Look: 100% fun?\n&taf6=x ");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(endProgramRuns, 0);
}

TEST_F(SupportWindow, Check1OpensTheHomePageAndUnticksItself)
{
    auto *check = control<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    const QByteArray home = PageScript + "home-page";
    EXPECT_EQ(fake.browser.opened, (QList<QByteArray> {home, home}));
    EXPECT_FALSE(check->isChecked());
}

TEST_F(SupportWindow, GoToHomeOpensTheSoftwarePage)
{
    click("lblGoToHome");
    EXPECT_EQ(fake.browser.opened, QList<QByteArray> {PageScript + "corvanesoftwares"});
    EXPECT_EQ(endProgramRuns, 0);
}

TEST_F(SupportWindow, ExitEndsTheProgramOnce)
{
    click("cmdClose");
    EXPECT_EQ(endProgramRuns, 1);
    // EndProgram closes every window, this one included: that close does not start it again.
    window->close();
    EXPECT_EQ(endProgramRuns, 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(SupportWindow, CloseBoxEndsTheProgram)
{
    window->close();
    EXPECT_EQ(endProgramRuns, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(ShowSupportWindow, CreatesTheWindowOnceAndShowsIt)
{
    kq::testing::FakePlatform fake;
    fake.random.values = {0.75f, 0.0f};
    int ends = 0;
    frmNagScreen2 *first = frmNagScreen2::ShowSupportWindow(fake.platform, [&ends] { ++ends; });
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    first->findChild<QLineEdit *>("txtName")->setText("Ann");
    frmNagScreen2 *second = frmNagScreen2::ShowSupportWindow(fake.platform, [&ends] { ++ends; });
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->findChild<QLineEdit *>("txtName")->text(), "Ann");
    EXPECT_EQ(fake.random.seeds.size(), 1);
    EXPECT_EQ(second->findChild<QLabel *>("Label2")->text(), frmNagScreen2::SupportText(3));

    second->findChild<QPushButton *>("cmdClose")->click();
    EXPECT_EQ(ends, 1);
    delete first;
}

} // namespace

int main(int argc, char **argv)
{
    kq::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
