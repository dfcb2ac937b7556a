// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's style: the date lists get the slim drop-down button whether the whole program
// uses the style or only the lists do, the menu bar's overflow arrows still draw, and a control
// drawn after others of the same or other colours looks as it does drawn first.
#include "UiTestSupport.h"

#include "ProgramStyle.h"
#include "frmMain.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOptionButton>
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
    ASSERT_TRUE(ProgramStyle::neededOnDateLists());
    auto *own = new frmMain(context);
    EXPECT_EQ(arrowWidth(own), 13);
    EXPECT_NE(control<QComboBox>(own, "cmbDOBYear")->style(), QApplication::style());
    delete own;

    ProgramStyle::installForApplication();
    ASSERT_NE(qobject_cast<ProgramStyle *>(QApplication::style()), nullptr);
    EXPECT_FALSE(ProgramStyle::neededOnDateLists());
    auto *shared = new frmMain(context);
    EXPECT_EQ(arrowWidth(shared), 13);
    EXPECT_EQ(control<QComboBox>(shared, "cmbDOBYear")->style(), QApplication::style());
    delete shared;
}

TEST_F(ProgramStyleTest, MainWindowsShareOneListStyle)
{
    ASSERT_TRUE(ProgramStyle::neededOnDateLists());
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

// A date list or a button as a window draws it, with a palette of its own.
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

QImage drawn(const ProgramStyle &style, const Look &look)
{
    // Every window's controls have palettes of their own: setting a colour makes a new one.
    QPalette palette = QApplication::palette();
    for (const auto role : {QPalette::Button, QPalette::Window, QPalette::Base})
        palette.setColor(role, look.face);
    // The text of a disabled control keeps the application's colour.
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, role, look.text);
    palette.setCurrentColorGroup(look.enabled ? QPalette::Active : QPalette::Disabled);
    QStyle::State state = look.enabled ? QStyle::State_Enabled : QStyle::State_None;
    state |= look.pressed ? QStyle::State_Sunken : QStyle::State_Raised;

    QImage image(64, 21, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (look.list) {
        QStyleOptionComboBox option;
        option.rect = image.rect();
        option.state = state | (look.pressed ? QStyle::State_On : QStyle::State_Off);
        option.palette = palette;
        option.currentText = QStringLiteral("1915");
        style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter);
        style.drawControl(QStyle::CE_ComboBoxLabel, &option, &painter);
    } else {
        QStyleOptionButton option;
        option.rect = image.rect();
        option.state = state;
        option.palette = palette;
        option.text = QStringLiteral("&Back");
        style.drawControl(QStyle::CE_PushButton, &option, &painter);
    }
    return image;
}

struct DrawnAfterCase
{
    const char *name;
    Look before;
    Look after;
};

const DrawnAfterCase DrawnAfterCases[] = {
    {"MaroonListOfTheNextWindow", {true, Maroon, Qt::white}, {true, Maroon, Qt::white}},
    {"DisabledListAfterAnEnabledOne", {true, Maroon, Qt::white}, {true, Maroon, Qt::white, false}},
    {"EnabledListAfterADisabledOne", {true, Maroon, Qt::white, false}, {true, Maroon, Qt::white}},
    {"OpenListAfterAClosedOne", {true, Maroon, Qt::white}, {true, Maroon, Qt::white, true, true}},
    {"GreyListAfterAMaroonOne", {true, Maroon, Qt::white}, {true, Grey, Qt::black}},
    {"ListWithOtherTextAfterAMaroonOne", {true, Maroon, Qt::white}, {true, Maroon, Qt::yellow}},
    {"ButtonOfTheNextWindow", {false, Grey, Qt::black}, {false, Grey, Qt::black}},
    {"PressedButtonAfterARaisedOne", {false, Grey, Qt::black},
        {false, Grey, Qt::black, true, true}},
    {"DisabledButtonAfterAnEnabledOne", {false, Grey, Qt::black}, {false, Grey, Qt::black, false}},
    {"MaroonButtonAfterAGreyOne", {false, Grey, Qt::black}, {false, Maroon, Qt::white}},
};

void PrintTo(const DrawnAfterCase &data, std::ostream *out)
{
    *out << data.name;
}

class ProgramStyleDrawnAfterTest : public ::testing::TestWithParam<DrawnAfterCase>
{
protected:
    void TearDown() override { QPixmapCache::clear(); }
};

TEST_P(ProgramStyleDrawnAfterTest, LooksAsDrawnFirst)
{
    const DrawnAfterCase &data = GetParam();
    QPixmapCache::clear();
    const QImage first = drawn(ProgramStyle(), data.after);

    QPixmapCache::clear();
    const ProgramStyle style;
    drawn(style, data.before);
    EXPECT_EQ(drawn(style, data.after), first);
    // And again, as in a third window.
    EXPECT_EQ(drawn(style, data.after), first);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramStyleDrawnAfterTest, ::testing::ValuesIn(DrawnAfterCases),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace kq::testing
