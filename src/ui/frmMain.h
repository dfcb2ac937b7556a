// The main window: the user picks the mother's date of birth and the date of conception from
// six lists and asks for the prediction. It checks that both dates exist, runs the prediction
// and hands over to the result window. Around the lists: the explanatory texts, the top and
// bottom advertising banners and the menu bar.
#pragma once

#include "AppContext.h"

#include <QMainWindow>

#include <cstdint>

class QComboBox;
class QPushButton;

namespace kq {

class LinkLabel;

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window and runs its creation sequence (Form_Load): the update reminder, then
    // the six lists filled and set to 1 January 1915 and 1 January 1960. Not yet shown; the
    // window deletes itself when it is closed.
    explicit frmMain(AppContext &context);

    // True when both selected dates exist in the calendar. Otherwise it has told the user
    // (conception date first) and put the focus on the offending day list.
    bool ValidateDates();
    // Brings one of the two offers of the bottom banner to the front at random. Run once per
    // run of the program, after the first main window is shown.
    void CoBrand_Randomize();
    std::int16_t coBrandRandomNumber() const { return intCoBrandRandomNumber; }

public slots:
    void cmdGetBabyGender_Click();
    void mnufileGender_Click();
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
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();

    AppContext &context;
    std::int16_t intCoBrandRandomNumber = 0;
    // Set before a close that only hands over to the result window.
    bool closingForSwitch = false;

    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *Label61 = nullptr;
    QComboBox *cmbConceptionDate = nullptr;
    QComboBox *cmbConceptionMonth = nullptr;
    QComboBox *cmbConceptionYear = nullptr;
    QComboBox *cmbDOBDate = nullptr;
    QComboBox *cmbDOBMonth = nullptr;
    QComboBox *cmbDOBYear = nullptr;
    QPushButton *cmdGetBabyGender = nullptr;
};

} // namespace kq
