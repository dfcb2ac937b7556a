// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The menu items, banner links and closing rule shared by the main and the result window.
#include "AdvertWindow.h"

#include "LinkLabel.h"
#include "Twips.h"
#include "WindowStyle.h"
#include "frmAbout.h"
#include "modHelp.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace kq {

AdvertWindow::AdvertWindow(AppContext &context, const char *name)
    : QMainWindow(nullptr)
    , context(context)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    makeFixedWindow(this, Qt::Window);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
}

QWidget *AdvertWindow::makeClientArea(int widthTwips, int heightTwips)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsSize(widthTwips, heightTwips));
    client->setFont(verdana());
    setBackground(client, Qt::white);
    setCentralWidget(client);
    return client;
}

void AdvertWindow::fixSizeAndCentre()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);
}

QMenu *AdvertWindow::addMenu(const char *name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *AdvertWindow::addMenuItem(
    QMenu *menu, const char *name, const QString &caption, std::function<void()> handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, std::move(handler));
    return action;
}

void AdvertWindow::addHelpMenuAndOffers(const HelpMenuNames &names)
{
    QMenu *mnuHelp = addMenu("mnuHelp", tr("&Help"));
    addMenuItem(mnuHelp, "mnuOnline", tr("&Online Help"), [this] { mnuOnline_Click(); });
    addMenuItem(mnuHelp, "mnuVisit", tr("&Visit Us Online"), [this] { mnuVisit_Click(); });
    mnuHelp->addSeparator()->setObjectName(QLatin1String(names.firstSeparator));
    addMenuItem(mnuHelp, "mnuUpdate", names.updateCaption, [this] { mnuUpdate_Click(); });
    mnuHelp->addSeparator()->setObjectName(QLatin1String(names.secondSeparator));
    addMenuItem(mnuHelp, "mnuAbout", tr("&About Software"), [this] { mnuAbout_Click(); });

    QAction *mnuDonate = menuBar()->addAction(tr("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    connect(mnuDonate, &QAction::triggered, this, &AdvertWindow::mnuDonate_Click);

    // Created not usable: hidden rather than greyed, so that the menu bar shows no item that
    // can never be chosen. Nothing makes it usable, so nothing is wired to it: the fully
    // branded offer is opened from lblFullBrand.
    QAction *mnumakemoney = menuBar()->addAction(tr("Make Money &Online"));
    mnumakemoney->setObjectName(QStringLiteral("mnumakemoney"));
    mnumakemoney->setVisible(false);
}

void AdvertWindow::connectBannerLinks()
{
    connect(Label61, &LinkLabel::clicked, this, &AdvertWindow::Label61_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &AdvertWindow::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &AdvertWindow::lblFullBrand_Click);
}

void AdvertWindow::closeForSwitch()
{
    closingForSwitch = true;
    close();
}

// Closing the window is the user leaving (close box or File > Exit) and hands over to the exit
// flow, unless the close only makes way for the other window or comes from the end of the run
// (EndProgram closing every window).
void AdvertWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!closingForSwitch && !context.terminator.isEnding())
        runExitFlowAfterClose();
}

void AdvertWindow::runExitFlowAfterClose()
{
    if (!context.exitFlow)
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [flow = context.exitFlow] { flow(); });
}

void AdvertWindow::mnuExit_Click()
{
    close();
}

void AdvertWindow::mnuOnline_Click()
{
    modHelp::OpenHelpPage(context.platform);
}

void AdvertWindow::mnuVisit_Click()
{
    modHelp::OpenHomePage(context.platform);
}

void AdvertWindow::mnuUpdate_Click()
{
    modHelp::OpenDownloadPage(context.platform);
}

void AdvertWindow::mnuAbout_Click()
{
    frmAbout about(context.platform);
    about.exec();
}

void AdvertWindow::mnuDonate_Click()
{
    modHelp::OpenDonatePage(context.platform);
}

void AdvertWindow::Label61_Click()
{
    modHelp::OpenHomePage(context.platform);
}

void AdvertWindow::lblCobrand_Click()
{
    modHelp::OpenCoBrandPage(context.platform);
}

void AdvertWindow::lblFullBrand_Click()
{
    modHelp::OpenFullyBrandedPage(context.platform);
}

} // namespace kq
