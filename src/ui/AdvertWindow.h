// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What the main and the result window share: the fixed, centred frame around a white client
// area, the Help menu, "&Donate" and "Make Money &Online" on the menu bar, the banner links to
// the publisher's pages, the about box, and telling the user's close (which hands over to the
// exit flow) from a switch between the two windows.
#pragma once

#include "AppContext.h"

#include <QMainWindow>

#include <functional>

class QMenu;

namespace kq {

class LinkLabel;

class AdvertWindow : public QMainWindow
{
    Q_OBJECT
public:
    // name: the window's objectName ("frmMain", "frmDisplay").
    AdvertWindow(AppContext &context, const char *name);

public slots:
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

protected:
    // The names and caption by which the two windows' Help menus differ.
    struct HelpMenuNames
    {
        const char *firstSeparator;
        const char *secondSeparator;
        QString updateCaption;
    };

    // The client area: white, in the windows' default font, of the designed size in twips.
    QWidget *makeClientArea(int widthTwips, int heightTwips);
    QMenu *addMenu(const char *name, const QString &caption);
    QAction *addMenuItem(
        QMenu *menu, const char *name, const QString &caption, std::function<void()> handler);
    // The Help menu, then "&Donate" and the hidden "Make Money &Online" on the menu bar.
    void addHelpMenuAndOffers(const HelpMenuNames &names);
    // Once the window has made its three banner links: a click opens their pages.
    void connectBannerLinks();
    // Once the controls and menus are built: the window keeps its size and opens centred.
    void fixSizeAndCentre();
    // Closes the window to make way for the other one: no exit flow.
    void closeForSwitch();
    void closeEvent(QCloseEvent *event) override;

    AppContext &context;

    // The top banner, and the two offers of the bottom banner that lie at the same place.
    LinkLabel *Label61 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;

private:
    // Runs the program's exit flow once the current event is over, so that the window that the
    // user closed is gone (hidden and deleted) before the flow shows anything.
    void runExitFlowAfterClose();

    bool closingForSwitch = false;
};

} // namespace kq
