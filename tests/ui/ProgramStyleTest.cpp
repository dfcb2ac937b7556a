// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's style and the date lists' look: the lists get the slim drop-down button whether
// the whole program uses the style or only the lists do, the menu bar's overflow arrows still
// draw, the lists and buttons of every main and result window draw with one palette each (so
// Fusion finds its drawings of them again), and a list or button drawn after others of the same
// or other colours looks as drawn first.
#include "RowName.h"
#include "UiTestSupport.h"

#include "DateListBox.h"
#include "ProgramStyle.h"
#include "WindowStyle.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QPushButton>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace kq::testing {
namespace {

class ProgramStyleTest : public WindowTest
{
protected:
    void TearDown() override
    {
        WindowTest::TearDown();
        // The other tests run under the plain Fusion style.
        if (qobject_cast<ProgramStyle *>(QApplication::style()))
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    // The width of the year list's drop-down button as drawn.
    static int arrowWidth(QWidget *main)
    {
        auto *list = control<QComboBox>(main, "cmbDOBYear");
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list)
            .width();
    }
};

TEST_F(ProgramStyleTest, DateListsAreSlimWithOrWithoutTheApplicationStyle)
{
    ASSERT_EQ(QApplication::style()->name().toLower(), QLatin1String("fusion"));
    ASSERT_EQ(qobject_cast<ProgramStyle *>(QApplication::style()), nullptr);
    auto *own = new frmMain(context);
    EXPECT_EQ(arrowWidth(own), 13);
    EXPECT_NE(control<QComboBox>(own, "cmbDOBYear")->style(), QApplication::style());
    delete own;

    ProgramStyle::installForApplication();
    ASSERT_NE(qobject_cast<ProgramStyle *>(QApplication::style()), nullptr);
    auto *shared = new frmMain(context);
    EXPECT_EQ(arrowWidth(shared), 13);
    EXPECT_EQ(control<QComboBox>(shared, "cmbDOBYear")->style(), QApplication::style());
    delete shared;
}

TEST_F(ProgramStyleTest, MainWindowsShareOneListStyle)
{
    ASSERT_EQ(qobject_cast<ProgramStyle *>(QApplication::style()), nullptr);
    auto *first = new frmMain(context);
    auto *second = new frmMain(context);
    QStyle *listStyle = control<QComboBox>(first, "cmbDOBYear")->style();
    EXPECT_NE(qobject_cast<ProgramStyle *>(listStyle), nullptr);
    EXPECT_EQ(control<QComboBox>(second, "cmbDOBYear")->style(), listStyle);
    delete first;
    delete second;
    // Still there for the next main window of the run.
    auto *third = new frmMain(context);
    EXPECT_EQ(control<QComboBox>(third, "cmbDOBYear")->style(), listStyle);
    delete third;
}

TEST_F(ProgramStyleTest, MenuBarOverflowArrowsStillDraw)
{
    ProgramStyle style;
    for (const auto which :
        {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = style.standardIcon(which);
        EXPECT_FALSE(icon.isNull());
        const QImage drawn = icon.pixmap(16, 16).toImage();
        ASSERT_FALSE(drawn.isNull());
        bool anyInk = false;
        for (int y = 0; y < drawn.height() && !anyInk; ++y)
            for (int x = 0; x < drawn.width() && !anyInk; ++x)
                anyInk = qAlpha(drawn.pixel(x, y)) > 0;
        EXPECT_TRUE(anyInk) << int(which);
    }
}

// Records, for each date list and button, the cache keys of the palettes it is drawn with.
class PaletteRecorder : public QProxyStyle
{
public:
    PaletteRecorder()
        : QProxyStyle(new ProgramStyle)
    { }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override
    {
        if (control == CC_ComboBox)
            keys[widget->objectName()].insert(option->palette.cacheKey());
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override
    {
        if (element == PE_PanelButtonCommand)
            keys[widget->objectName()].insert(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable QHash<QString, QSet<qint64>> keys;
};

TEST_F(ProgramStyleTest, ListsAndButtonsOfEveryWindowDrawWithOnePalette)
{
    PaletteRecorder recorder;
    for (int round = 0; round < 3; ++round) {
        for (QWidget *window :
            std::initializer_list<QWidget *> {new frmMain(context), new frmDisplay(context)}) {
            for (QWidget *control : window->findChildren<QWidget *>())
                if (qobject_cast<QComboBox *>(control) || qobject_cast<QPushButton *>(control)) {
                    control->setStyle(&recorder);
                    control->grab();
                }
            delete window;
        }
    }
    const QStringList drawn = recorder.keys.keys();
    for (const char *name : {"cmbDOBDate", "cmbDOBMonth", "cmbDOBYear", "cmbConceptionDate",
             "cmbConceptionMonth", "cmbConceptionYear", "cmdGetBabyGender", "cmdBack"})
        EXPECT_TRUE(drawn.contains(QLatin1String(name))) << name;
    QSet<qint64> lists;
    for (auto found = recorder.keys.cbegin(); found != recorder.keys.cend(); ++found) {
        EXPECT_EQ(found->size(), 1) << qPrintable(found.key());
        if (found.key().startsWith(QLatin1String("cmb")))
            lists.unite(*found);
    }
    // The six lists have the same colours.
    EXPECT_EQ(lists.size(), 1);
}

// A date list or a button with colours of its own, as drawn.
struct Look
{
    bool list;
    QColor face;
    QColor text;
    bool enabled = true;
    bool pressed = false;
};

const QColor Maroon(64, 0, 0);
const QColor Grey(192, 192, 192);

QImage drawn(const Look &look)
{
    QWidget window;
    QWidget *control = nullptr;
    if (look.list) {
        auto *list = new DateListBox(&window);
        list->addItem(QStringLiteral("1915"));
        control = list;
    } else {
        auto *button
            = makeButton(&window, "cmdBack", QStringLiteral("&Back"), {}, {8.25, true}, {});
        button->setDown(look.pressed);
        control = button;
    }
    control->resize(64, 21);
    QPalette palette = control->palette();
    for (const auto role : {QPalette::Button, QPalette::Window, QPalette::Base})
        palette.setColor(role, look.face);
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        palette.setColor(role, look.text);
    control->setPalette(palette);
    control->setEnabled(look.enabled);
    return control->grab().toImage();
}

struct DrawnAfterRow
{
    const char *name;
    Look before;
    Look after;
};

const DrawnAfterRow DrawnAfterRows[] = {
    {"MaroonListOfTheNextWindow", {true, Maroon, Qt::white}, {true, Maroon, Qt::white}},
    {"DisabledListAfterAnEnabledOne", {true, Maroon, Qt::white}, {true, Maroon, Qt::white, false}},
    {"EnabledListAfterADisabledOne", {true, Maroon, Qt::white, false}, {true, Maroon, Qt::white}},
    {"GreyListAfterAMaroonOne", {true, Maroon, Qt::white}, {true, Grey, Qt::black}},
    {"ListWithOtherTextAfterAMaroonOne", {true, Maroon, Qt::white}, {true, Maroon, Qt::yellow}},
    {"ButtonOfTheNextWindow", {false, Grey, Qt::black}, {false, Grey, Qt::black}},
    {"PressedButtonAfterARaisedOne", {false, Grey, Qt::black},
        {false, Grey, Qt::black, true, true}},
    {"DisabledButtonAfterAnEnabledOne", {false, Grey, Qt::black}, {false, Grey, Qt::black, false}},
    {"MaroonButtonAfterAGreyOne", {false, Grey, Qt::black}, {false, Maroon, Qt::white}},
};

void PrintTo(const DrawnAfterRow &row, std::ostream *out)
{
    *out << row.name;
}

class DrawnAfterTest : public ::testing::TestWithParam<DrawnAfterRow>
{
protected:
    void TearDown() override { QPixmapCache::clear(); }
};

TEST_P(DrawnAfterTest, LooksAsDrawnFirst)
{
    const DrawnAfterRow &row = GetParam();
    QPixmapCache::clear();
    const QImage first = drawn(row.after);

    QPixmapCache::clear();
    drawn(row.before);
    EXPECT_EQ(drawn(row.after), first);
    // And again, as in a third window.
    EXPECT_EQ(drawn(row.after), first);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DrawnAfterTest, ::testing::ValuesIn(DrawnAfterRows), kq::test::RowName());

} // namespace
} // namespace kq::testing
