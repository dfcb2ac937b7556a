// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The main window: the user picks the mother's date of birth and the date of conception from
// six lists and asks for the prediction. It checks that both dates exist, runs the prediction
// and hands over to the result window. Around the lists: the explanatory texts, the top and
// bottom advertising banners and the menu bar.
#pragma once

#include "AdvertWindow.h"

#include <cstdint>

class QComboBox;
class QPushButton;

namespace kq {

class frmMain : public AdvertWindow
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

private:
    void buildControls();
    void buildMenus();
    void Form_Load();

    std::int16_t intCoBrandRandomNumber = 0;

    QComboBox *cmbConceptionDate = nullptr;
    QComboBox *cmbConceptionMonth = nullptr;
    QComboBox *cmbConceptionYear = nullptr;
    QComboBox *cmbDOBDate = nullptr;
    QComboBox *cmbDOBMonth = nullptr;
    QComboBox *cmbDOBYear = nullptr;
    QPushButton *cmdGetBabyGender = nullptr;
};

} // namespace kq
