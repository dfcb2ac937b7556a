// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The result window.
#include "frmDisplay.h"

#include "CaptionFrame.h"
#include "EngineWords.h"
#include "LinkLabel.h"
#include "Texts.h"
#include "Twips.h"
#include "WindowStyle.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kq {

namespace {

QColor toQColor(const Rgb &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The panel's captions: white, "Verdana" 11.25 pt bold italic.
constexpr FontStyle PanelFont {11.25, true, true, false};
constexpr FontStyle PanelHeadingFont {11.25, true, true, true};

// The places of the panel's captions, in pixels.
const QRect HeadingPlace = twipsRect(2220, 240, 2940, 270);
const QRect GenderPlace = twipsRect(3450, 1680, 480, 270);
const QRect CongratulationPlace = twipsRect(750, 1200, 5880, 270);
// The gender word is centred on its own box.
const int GenderAxis = GenderPlace.center().x() + 1;

LabelStyle panelText(Align align, bool underline = false)
{
    return {underline ? PanelHeadingFont : PanelFont, Qt::white, align};
}

// The panel's heading, as written in English: its centre is the axis of the panel's captions.
const char *const AgeHeading = QT_TRANSLATE_NOOP("kq::frmDisplay", "Mother's Chinese Age is");

// Where the English heading's text is centred as the English window draws it, in pixels from
// the panel's left edge: the English captions are left-aligned in boxes they nearly fill, so
// each reads centred there.
int englishAxis()
{
    const QString english = QString::fromLatin1(AgeHeading);
    const qreal width = QFontMetricsF(fittedFont(english, HeadingPlace.width(), PanelHeadingFont))
                            .horizontalAdvance(english);
    return HeadingPlace.left() + qRound(width / 2);
}

// A panel caption in a translation. A caption narrower than the English sits centred on the
// English text's axis, not at the left of a box sized for the English; the gender word keeps the
// size the English "Boy" and "Girl" have, its label growing symmetrically (within the panel)
// rather than its text shrinking. In English the captions stay exactly as designed.
void placeCaption(QLabel *label, const QRect &designed, int axis, const FontStyle &style)
{
    if (&windowLanguage() == &English) {
        fitOnOneLine(label, style);
        return;
    }
    const int needed
        = int(std::ceil(QFontMetricsF(verdana(style)).horizontalAdvance(label->text()))) + 2;
    const int half = std::min({(std::max(designed.width(), needed) + 1) / 2, axis,
        label->parentWidget()->width() - axis});
    label->setGeometry(axis - half, designed.y(), 2 * half, designed.height());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fitOnOneLine(label, style); // steps down only a caption wider than the whole panel
}

QLabel *makeBox(QWidget *parent, const char *name, const QRect &place)
{
    QLabel *box = makeLabel(parent, name, QString(), place, {});
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Plain);
    box->setLineWidth(1);
    return box;
}

} // namespace

frmDisplay::frmDisplay(AppContext &context)
    : AdvertWindow(context, "frmDisplay")
{
    buildControls();
    buildMenus();
    fixSizeAndCentre();
}

void frmDisplay::buildControls()
{
    QWidget *client = makeClientArea(7380, 4575);

    cmdBack = makeButton(client, "cmdBack", tr("&Back"), twipsRect(0, 3255, 7380, 495), {12, true},
        tr("Returns to the date entry"));
    // Enter presses the button when it has the focus, as the space bar does.
    cmdBack->setAutoDefault(true);

    auto *Frame2 = makeFrame(client, "Frame2", twipsRect(0, -40, 7380, 615), Qt::white);
    Label61 = makeLinkLabel(Frame2, "Label61", forumBannerText(), twipsRect(0, 120, 7320, 585),
        {{9, true, false, true}, LinkBlue, Align::Centre});

    frmScreenColor
        = makeFrame(client, "frmScreenColor", twipsRect(0, 495, 7380, 2160), toQColor(BoyColour));
    makeBox(frmScreenColor, "Label4", twipsRect(3210, 1560, 975, 495));
    lblAge = makeLabel(frmScreenColor, "lblAge", QStringLiteral("88"),
        twipsRect(3525, 720, 330, 270), panelText(Align::Centre));
    makeBox(frmScreenColor, "Label1", twipsRect(3210, 600, 975, 495));
    lblAge->setAccessibleDescription(tr("Mother's Chinese age"));
    lblGenderOfChild = makeLabel(frmScreenColor, "lblGenderOfChild",
        EngineWords::gender(shownGender), GenderPlace, panelText(Align::Centre));
    lblGenderOfChild->setAccessibleDescription(tr("Predicted gender of the baby"));
    lblCongratulationMsg = makeLabel(frmScreenColor, "lblCongratulationMsg",
        EngineWords::congratulation(shownLine), CongratulationPlace,
        panelText(Align::Left));
    QLabel *Label3 = makeLabel(
        frmScreenColor, "Label3", tr(AgeHeading), HeadingPlace, panelText(Align::Left, true));
    // The panel's captions are designed as single lines: keep every word in sight.
    captionAxis = englishAxis();
    placeCaption(Label3, HeadingPlace, captionAxis, PanelHeadingFont);
    fitOnOneLine(lblAge, PanelFont);
    placeCaption(lblGenderOfChild, GenderPlace, GenderAxis, PanelFont);
    placeCaption(lblCongratulationMsg, CongratulationPlace, captionAxis, PanelFont);
    frmScreenColor->setAccessibleName(tr("Prediction"));
    describeResult();

    auto *Frame5 = makeFrame(client, "Frame5", twipsRect(0, 3735, 7380, 840), Qt::white);
    const LabelStyle offer {{8.25, true, false, true}, LinkBlue, Align::Centre};
    lblFullBrand = makeLinkLabel(
        Frame5, "lblFullBrand", fullBrandOfferCaption(), twipsRect(218, 160, 6945, 615), offer);
    setBackground(lblFullBrand, Qt::white, LinkBlue);
    // Created last, the co-brand offer lies in front; nothing in this window changes that.
    lblCobrand = makeLinkLabel(
        Frame5, "lblCobrand", coBrandOfferCaption(), twipsRect(218, 165, 6945, 615), offer);
    setBackground(lblCobrand, Qt::white, LinkBlue);

    makeLabel(client, "Label5", disclaimerText(), twipsRect(240, 2640, 6855, 615),
        {{8.25}, DarkRed, Align::Centre});
    // The colour's name and its caption exist but are never shown: the panel shows the colour.
    lblColorOfBaby = makeLabel(client, "lblColorOfBaby", QStringLiteral("88"),
        twipsRect(0, 0, 330, 270), panelText(Align::Centre));
    lblColorOfBaby->hide();
    QLabel *Label2 = makeLabel(client, "Label2", tr("Color For Baby is"),
        twipsRect(2535, 840, 510, 270), panelText(Align::Left, true));
    Label2->hide();

    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connectBannerLinks();
}

void frmDisplay::buildMenus()
{
    QMenu *mnuFile = addMenu("mnuFile", tr("&File"));
    addMenuItem(mnuFile, "mnuFileBack", tr("&Back"), [this] { mnuFileBack_Click(); });
    addMenuItem(mnuFile, "mnuExit", tr("E&xit"), [this] { mnuExit_Click(); });
    addHelpMenuAndOffers({"mnuFileSep1", "mnuFileSep2", tr("&Check for Software Update")});
}

void frmDisplay::setAge(std::int16_t age)
{
    lblAge->setText(QString::number(age));
    fitOnOneLine(lblAge, PanelFont);
    describeResult();
}

void frmDisplay::ApplyGenderChart(Gender gender)
{
    shownGender = gender;
    lblGenderOfChild->setText(EngineWords::gender(gender));
    placeCaption(lblGenderOfChild, GenderPlace, GenderAxis, PanelFont);
    describeResult();
}

QString frmDisplay::genderCaption() const
{
    return lblGenderOfChild->text();
}

void frmDisplay::showColourOfGender(Gender gender)
{
    setBackground(frmScreenColor, toQColor(BabyColourOf(gender)));
    lblColorOfBaby->setText(EngineWords::babyColour(gender));
}

void frmDisplay::setCongratulation(CongratulationLine line)
{
    shownLine = line;
    lblCongratulationMsg->setText(EngineWords::congratulation(line));
    placeCaption(lblCongratulationMsg, CongratulationPlace, captionAxis, PanelFont);
    describeResult();
}

// The panel read as one sentence, the way it reads on screen from the top: a screen reader gives it
// with the panel and with "&Back", which has the focus when the window opens.
void frmDisplay::describeResult()
{
    // The line and the gender as the language words them together (no space inside a Chinese
    // sentence, the article in Spanish); in English, the two captions with a space between.
    const QString result = tr("Mother's Chinese Age is %1. %2")
                               .arg(lblAge->text(),
                                   EngineWords::congratulationWithGender(shownLine, shownGender));
    frmScreenColor->setAccessibleDescription(result);
    cmdBack->setAccessibleDescription(result);
}

void frmDisplay::showInPlaceOfMain()
{
    show();
    activateWindow();
    cmdBack->setFocus();
}

void frmDisplay::cmdBack_Click()
{
    closeForSwitch();
    auto *main = new frmMain(context);
    main->show();
    main->activateWindow();
}

void frmDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

} // namespace kq
