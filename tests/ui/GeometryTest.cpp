// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Every control of the three windows at its place (designed in twips, 15 to a pixel) inside
// its container, the windows' client areas, and the look of the controls: fonts, colours,
// alignment, link pointers.
#include "UiTestSupport.h"

#include "Look.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <cmath>
#include <memory>

namespace kq::testing {
namespace {

enum class Window { Main, Display, About };

std::unique_ptr<QWidget> build(Window which, AppContext &context)
{
    switch (which) {
    case Window::Main:
        return std::make_unique<frmMain>(context);
    case Window::Display:
        return std::make_unique<frmDisplay>(context);
    case Window::About:
        return std::make_unique<frmAbout>(context.platform);
    }
    return nullptr;
}

struct Place
{
    Window window;
    const char *control;
    const char *container; // nullptr: the window's client area
    int left, top, width, height;
};

class GeometryTest : public WindowTest, public ::testing::WithParamInterface<Place>
{
};

// Twips to the nearest pixel at 96 dpi (15 twips a pixel; no whole number of twips lies halfway
// between two pixels), worked out here rather than with the windows' own conversion.
int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect designedRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

TEST_P(GeometryTest, ControlSitsAtItsTwipsRectangle)
{
    const Place &row = GetParam();
    std::unique_ptr<QWidget> window = build(row.window, context);
    auto *widget = window->findChild<QWidget *>(QLatin1String(row.control));
    ASSERT_NE(widget, nullptr);
    QWidget *client = row.window == Window::About
        ? window.get()
        : static_cast<QMainWindow *>(window.get())->centralWidget();
    if (row.container)
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(row.container));
    else
        EXPECT_EQ(widget->parentWidget(), client);
    EXPECT_EQ(widget->geometry(), designedRect(row.left, row.top, row.width, row.height));
}

std::string placeName(const ::testing::TestParamInfo<Place> &info)
{
    const char *window[] = {"frmMain_", "frmDisplay_", "frmAbout_"};
    return std::string(window[int(info.param.window)]) + info.param.control;
}

INSTANTIATE_TEST_SUITE_P(Rows, GeometryTest,
    ::testing::Values(Place {Window::Main, "Frame5", nullptr, 0, 3840, 7140, 840},
        Place {Window::Main, "lblFullBrand", "Frame5", 105, 160, 6945, 615},
        Place {Window::Main, "lblCobrand", "Frame5", 120, 165, 6945, 615},
        Place {Window::Main, "Frame2", nullptr, 0, 0, 7140, 615},
        Place {Window::Main, "Label61", "Frame2", 120, 120, 6840, 705},
        Place {Window::Main, "Frame1", nullptr, 0, 555, 7140, 3255},
        Place {Window::Main, "Frame4", "Frame1", 1590, 1440, 3975, 615},
        Place {Window::Main, "cmbConceptionDate", "Frame4", 360, 240, 600, 315},
        Place {Window::Main, "cmbConceptionMonth", "Frame4", 1200, 240, 1305, 315},
        Place {Window::Main, "cmbConceptionYear", "Frame4", 2760, 240, 800, 315},
        Place {Window::Main, "Frame3", "Frame1", 1590, 795, 3975, 615},
        Place {Window::Main, "cmbDOBDate", "Frame3", 360, 240, 600, 315},
        Place {Window::Main, "cmbDOBMonth", "Frame3", 1200, 240, 1305, 315},
        Place {Window::Main, "cmbDOBYear", "Frame3", 2760, 240, 800, 315},
        Place {Window::Main, "cmdGetBabyGender", "Frame1", 1560, 2100, 3975, 375},
        Place {Window::Main, "Label3", "Frame1", 120, 2520, 6855, 615},
        Place {Window::Main, "Label2", "Frame1", 450, 600, 6255, 255},
        Place {Window::Main, "Label1", "Frame1", 390, 120, 6375, 495},
        Place {Window::Display, "cmdBack", nullptr, 0, 3255, 7380, 495},
        Place {Window::Display, "Frame2", nullptr, 0, -40, 7380, 615},
        Place {Window::Display, "Label61", "Frame2", 0, 120, 7320, 585},
        Place {Window::Display, "frmScreenColor", nullptr, 0, 495, 7380, 2160},
        Place {Window::Display, "Label4", "frmScreenColor", 3210, 1560, 975, 495},
        Place {Window::Display, "lblAge", "frmScreenColor", 3525, 720, 330, 270},
        Place {Window::Display, "Label1", "frmScreenColor", 3210, 600, 975, 495},
        Place {Window::Display, "lblGenderOfChild", "frmScreenColor", 3450, 1680, 480, 270},
        Place {Window::Display, "lblCongratulationMsg", "frmScreenColor", 750, 1200, 5880, 270},
        Place {Window::Display, "Label3", "frmScreenColor", 2220, 240, 2940, 270},
        Place {Window::Display, "Frame5", nullptr, 0, 3735, 7380, 840},
        Place {Window::Display, "lblFullBrand", "Frame5", 218, 160, 6945, 615},
        Place {Window::Display, "lblCobrand", "Frame5", 218, 165, 6945, 615},
        Place {Window::Display, "Label5", nullptr, 240, 2640, 6855, 615},
        Place {Window::Display, "lblColorOfBaby", nullptr, 0, 0, 330, 270},
        Place {Window::Display, "Label2", nullptr, 2535, 840, 510, 270},
        Place {Window::About, "picIcon", nullptr, 120, 120, 510, 510},
        Place {Window::About, "cmdOK", nullptr, 4680, 3480, 1260, 345},
        Place {Window::About, "lblHomePage", nullptr, 1320, 2160, 4650, 195},
        Place {Window::About, "Label3", nullptr, 120, 2400, 5805, 555},
        Place {Window::About, "lblCoBrand", nullptr, 3240, 3000, 2670, 195},
        Place {Window::About, "Label2", nullptr, 840, 240, 4185, 240},
        Place {Window::About, "Label1", nullptr, 105, 720, 5865, 1335}),
    placeName);

TEST_F(WindowTest, WindowsAreFixedInSizeWithoutMinimiseOrMaximise)
{
    struct Client
    {
        Window window;
        int width, height;
    };
    for (const Client client : {Client {Window::Main, 7155, 4680},
             Client {Window::Display, 7380, 4575}, Client {Window::About, 6000, 3930}}) {
        std::unique_ptr<QWidget> window = build(client.window, context);
        window->show();
        const QWidget *area = client.window == Window::About
            ? window.get()
            : static_cast<QMainWindow *>(window.get())->centralWidget();
        EXPECT_EQ(area->size(), QSize(pixels(client.width), pixels(client.height)));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_EQ(window->windowTitle(), QLatin1String("KQ Rurevir Ivideruzi Zuduzire v1.95"));
        EXPECT_FALSE(window->windowIcon().isNull());
        // Centred on the screen.
        const QRect screen = window->screen()->availableGeometry();
        const QPoint offCentre = window->geometry().center() - screen.center();
        EXPECT_LE(std::abs(offCentre.x()), 2);
        EXPECT_LE(std::abs(offCentre.y()), 2);
    }
    // The line across the about box, one pixel high, from (-60, 3360) to (6090, 3360).
    frmAbout about(fake.platform);
    EXPECT_EQ(about.findChild<QWidget *>("Line2")->geometry(), QRect(-4, 224, 410, 1));
}

struct Look
{
    Window window;
    const char *control;
    double points;
    bool bold, italic, underline;
    QColor text;
    QColor background; // invalid: transparent
    bool centred;
    bool link;
    bool oneLine = false; // the font may step down so that the whole line shows
};

class LookTest : public WindowTest, public ::testing::WithParamInterface<Look>
{
};

TEST_P(LookTest, LabelHasItsFontColoursAndAlignment)
{
    const Look &row = GetParam();
    std::unique_ptr<QWidget> window = build(row.window, context);
    auto *label = window->findChild<QLabel *>(QLatin1String(row.control));
    ASSERT_NE(label, nullptr);
    const QFont font = label->font();
    // "Verdana" where the system has it, "DejaVu Sans" in any case.
    EXPECT_EQ(font.families(), programFontFamilies());
    EXPECT_EQ(font.families().constLast(), QLatin1String("DejaVu Sans"));
    EXPECT_EQ(font.families().contains(QLatin1String("Verdana")),
        QFontDatabase::families().contains(QLatin1String("Verdana"), Qt::CaseInsensitive));
    if (row.oneLine) {
        EXPECT_LE(font.pointSizeF(), row.points);
        EXPECT_GE(font.pointSizeF(), row.points * 0.75);
        EXPECT_LE(QFontMetricsF(font).horizontalAdvance(label->text()), label->width() - 2);
    } else {
        EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points);
    }
    EXPECT_EQ(font.bold(), row.bold);
    EXPECT_EQ(font.italic(), row.italic);
    EXPECT_EQ(font.underline(), row.underline);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), row.text);
    EXPECT_EQ(label->autoFillBackground(), row.background.isValid());
    if (row.background.isValid()) {
        EXPECT_EQ(label->palette().color(QPalette::Window), row.background);
    }
    EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), row.centred);
    EXPECT_EQ(label->wordWrap(), !row.oneLine);
    EXPECT_EQ(label->cursor().shape(), row.link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

std::string lookName(const ::testing::TestParamInfo<Look> &info)
{
    const char *window[] = {"frmMain_", "frmDisplay_", "frmAbout_"};
    return std::string(window[int(info.param.window)]) + info.param.control;
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Maroon(64, 0, 0);
const QColor DarkRed(128, 0, 0);
const QColor DarkGreen(0, 64, 0);
const QColor Blue(0, 0, 255);
const QColor None;

INSTANTIATE_TEST_SUITE_P(Rows, LookTest,
    ::testing::Values(
        Look {Window::Main, "lblFullBrand", 8.25, true, false, true, White, Maroon, true, true},
        Look {Window::Main, "lblCobrand", 8.25, true, false, true, White, Maroon, true, true},
        Look {Window::Main, "Label61", 9, false, false, true, White, None, true, true},
        Look {Window::Main, "Label3", 8.25, false, false, false, DarkRed, None, true, false},
        Look {
            Window::Main, "Label2", 8.25, true, false, false, QColor(255, 0, 0), None, true, false},
        Look {Window::Main, "Label1", 8.25, false, false, false, Black, None, true, false},
        Look {Window::Display, "Label61", 9, true, false, true, Blue, None, true, true},
        Look {Window::Display, "lblAge", 11.25, true, true, false, White, None, true, false, true},
        Look {Window::Display, "lblGenderOfChild", 11.25, true, true, false, White, None, true,
            false, true},
        Look {Window::Display, "lblCongratulationMsg", 11.25, true, true, false, White, None, false,
            false, true},
        Look {Window::Display, "Label3", 11.25, true, true, true, White, None, false, false, true},
        Look {Window::Display, "lblFullBrand", 8.25, true, false, true, Blue, White, true, true},
        Look {Window::Display, "lblCobrand", 8.25, true, false, true, Blue, White, true, true},
        Look {Window::Display, "Label5", 8.25, false, false, false, DarkRed, None, true, false},
        Look {Window::About, "lblHomePage", 8.25, true, false, true, DarkGreen, None, false, true},
        Look {Window::About, "Label3", 8.25, true, false, false, DarkRed, None, false, false},
        Look {Window::About, "lblCoBrand", 8.25, true, false, true, DarkGreen, None, false, true},
        Look {Window::About, "Label2", 9.75, true, false, false, Black, None, false, false},
        Look {Window::About, "Label1", 8.25, false, false, false, DarkRed, None, false, false}),
    lookName);

TEST_F(WindowTest, CaptionsShowADoubledAmpersandAsOne)
{
    frmMain main(context);
    const QString shown = main.findChild<QLabel *>("lblCobrand")->text();
    EXPECT_EQ(shown,
        QLatin1String("Co-brand this software for your site.  Increase loyalty and "
                      "traffic to your site. Put your site's name &  link here. See "
                      "\"Help\" for details.Click Here for more info on co-branding."));
    EXPECT_EQ(main.findChild<QLabel *>("Label61")->text(),
        QStringLiteral("Visit our discussion forum at ") + PublisherHost);
}

} // namespace
} // namespace kq::testing
