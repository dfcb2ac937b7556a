// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The about box: modal, the focus on "&OK", closed by "&OK", Enter, Esc and the close box; its
// two links open their pages and leave it open.
#include "RowName.h"
#include "UiTestSupport.h"

#include "AppIcon.h"
#include "frmAbout.h"
#include "frmMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace kq::testing {
namespace {

class AboutBoxTest : public WindowTest
{
};

TEST_F(AboutBoxTest, OpensModallyFromTheMainWindowWithTheFocusOnOk)
{
    auto *main = new frmMain(context);
    main->show();
    whileModal([&] { control<QAction>(main, "mnuAbout")->trigger(); },
        [&](QDialog *about) {
            ASSERT_NE(qobject_cast<frmAbout *>(about), nullptr);
            EXPECT_TRUE(about->isModal());
            EXPECT_EQ(about->focusWidget(), control<QWidget>(about, "cmdOK"));
            QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        });
    EXPECT_TRUE(windows<frmAbout>().isEmpty());
    EXPECT_EQ(onlyWindow<frmMain>(), main);
    EXPECT_EQ(exitFlowRuns, 0);
}

struct CloseKeyCase
{
    const char *name;
    const char *how; // a key, or "closeBox"
};

class AboutCloseTest : public AboutBoxTest, public ::testing::WithParamInterface<CloseKeyCase>
{
};

TEST_P(AboutCloseTest, ClosesAtOnce)
{
    frmAbout about(fake.platform);
    about.show();
    ASSERT_EQ(about.focusWidget(), control<QWidget>(&about, "cmdOK"));
    const QString how = QLatin1String(GetParam().how);
    if (how == QLatin1String("Return"))
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(about.focusWidget(), Qt::Key_Enter);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(about.focusWidget(), Qt::Key_Escape);
    else
        about.windowHandle()->close();
    EXPECT_FALSE(about.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Rows, AboutCloseTest,
    ::testing::Values(CloseKeyCase {"Return", "Return"}, CloseKeyCase {"Enter", "Enter"},
        CloseKeyCase {"Escape", "Escape"}, CloseKeyCase {"CloseBox", "closeBox"}),
    kq::test::RowName());

TEST_F(AboutBoxTest, LinksOpenTheirPagesAndLeaveTheBoxOpen)
{
    frmAbout about(fake.platform);
    about.show();
    const QByteArray &script = PageScript;
    QTest::mouseClick(control<QWidget>(&about, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>(&about, "lblCoBrand"), Qt::LeftButton);
    EXPECT_EQ(
        fake.browser.opened, QList<QByteArray>({script + "home-page", script + "fully-branded"}));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBoxTest, ShowsTheNameTheDescriptionAndTheIcon)
{
    frmAbout about(fake.platform);
    EXPECT_EQ(about.windowTitle(), QLatin1String("KQ Rurevir Ivideruzi Zuduzire v1.95"));
    EXPECT_EQ(control<QLabel>(&about, "Label2")->text(),
        QLatin1String("KQ Rurevir Ivideruzi Zuduzire v1.95"));
    EXPECT_TRUE(control<QLabel>(&about, "Label1")->wordWrap());
    EXPECT_TRUE(
        control<QLabel>(&about, "Label1")
            ->text()
            .endsWith(QLatin1String("on the basis on her own birthday and conception day.")));
    EXPECT_EQ(control<QLabel>(&about, "Label3")->text(),
        QLatin1String("Home Business Opportunity. Start your own Internet business and make "
                      "money online. Get this software fully branded for your website. "));
    EXPECT_EQ(control<QLabel>(&about, "lblCoBrand")->text(),
        QLatin1String("Click here for more details."));
    EXPECT_EQ(control<QLabel>(&about, "lblHomePage")->text(),
        QStringLiteral("Visit us at ") + PublisherHost);
    const QPixmap icon = control<QLabel>(&about, "picIcon")->pixmap();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.toImage(), ApplicationIcon().pixmap(32, 32).toImage());
    EXPECT_TRUE(control<QPushButton>(&about, "cmdOK")->isDefault());
}

} // namespace
} // namespace kq::testing
