// What the main and the result window share: the Help menu, "&Donate" and "Make Money &Online"
// on the menu bar, the banner links to the publisher's pages, the about box, and telling the
// user's close (which hands over to the exit flow) from a switch between the two windows.
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
    explicit AdvertWindow(AppContext &context);

public slots:
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();
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

    QMenu *addMenu(const char *name, const QString &caption);
    QAction *addMenuItem(
        QMenu *menu, const char *name, const QString &caption, std::function<void()> handler);
    // The Help menu, then "&Donate" and the hidden "Make Money &Online" on the menu bar.
    void addHelpMenuAndOffers(const HelpMenuNames &names);
    void connectBannerLinks(LinkLabel *Label61, LinkLabel *lblCobrand, LinkLabel *lblFullBrand);
    // Once the controls and menus are built: the window keeps its size and opens centred.
    void fixSizeAndCentre();
    // Closes the window to make way for the other one: no exit flow.
    void closeForSwitch();
    void closeEvent(QCloseEvent *event) override;

    AppContext &context;

private:
    bool closingForSwitch = false;
};

} // namespace kq
