// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The about box.
#include "frmAbout.h"

#include "AppIcon.h"
#include "LinkLabel.h"
#include "Texts.h"
#include "Twips.h"
#include "WindowStyle.h"
#include "modHelp.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace kq {

frmAbout::frmAbout(Platform &platform)
    : QDialog(nullptr)
    , platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    makeFixedWindow(this, Qt::Dialog);
    setModal(true);
    setFixedSize(twipsSize(6000, 3930));
    setBackground(this, Qt::white);

    // The icon sits on the system's window colour, not on the box's white.
    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(120, 120, 510, 510));
    setBackground(picIcon, QApplication::palette().color(QPalette::Window));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(ApplicationIcon().pixmap(32, 32));
    picIcon->setFocusPolicy(Qt::TabFocus);
    picIcon->setAccessibleName(tr("Application icon"));

    cmdOK = makeButton(this, "cmdOK", tr("&OK"), twipsRect(4680, 3480, 1260, 345), {8.25, true},
        tr("Closes the about box"));
    // The default button: Enter presses it. Esc closes the dialog the same way (QDialog).
    cmdOK->setDefault(true);

    const LabelStyle link {{8.25, true, false, true}, DarkGreen, Align::Left};
    auto *lblHomePage = makeLinkLabel(
        this, "lblHomePage", homePageInvitationText(), twipsRect(1320, 2160, 4650, 195), link);
    makeLabel(this, "Label3",
        tr("Home Business Opportunity. Start your own Internet business and "
           "make money online. Get this software fully branded for your "
           "website. "),
        twipsRect(120, 2400, 5805, 555), {{8.25, true}, DarkRed, Align::Left});
    auto *lblCoBrand = makeLinkLabel(this, "lblCoBrand", tr("Click here for more details."),
        twipsRect(3240, 3000, 2670, 195), link);

    // A horizontal rule one pixel high, running past both edges of the box.
    auto *Line2 = new QWidget(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setGeometry(twipsToPixels(-60), twipsToPixels(3360), twipsToPixels(6090 + 60), 1);
    setBackground(Line2, DarkGreen);

    makeLabel(this, "Label2", FullTitle(), twipsRect(840, 240, 4185, 240),
        {{9.75, true}, Qt::black, Align::Left});
    makeLabel(this, "Label1",
        tr("KQ Rurevir Ivideruzi Zuduzire is an interesting program based on "
           "the theory of the Chinese Lunar Calendar. Also known as the Chinese "
           "Gender Calendar, this calendar was supposedly discovered by a "
           "Chinese Scientist about 700 years ago. This program helps the "
           "would-be mother to determine the sex of her child on the basis on "
           "her own birthday and conception day."),
        twipsRect(105, 720, 5865, 1335), {{8.25}, DarkRed, Align::Left});

    setTabOrder(cmdOK, picIcon);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    centreOnScreen(this);
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    modHelp::OpenHomePage(platform);
}

// The link under the offer of a fully branded edition opens that offer's page.
void frmAbout::lblCoBrand_Click()
{
    modHelp::OpenFullyBrandedPage(platform);
}

} // namespace kq
