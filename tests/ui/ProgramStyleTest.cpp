// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's style: the date lists get the slim drop-down button whether the whole program
// uses the style or only the lists do, and the menu bar's overflow arrows still draw.
#include "UiTestSupport.h"

#include "ProgramStyle.h"
#include "frmMain.h"

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

} // namespace
} // namespace kq::testing
