// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The result window: the mother's Chinese age, the predicted gender, the baby's colour as the
// background of a large panel and a congratulation line. The main window fills it while it is
// hidden and then shows it in its own place; "&Back" returns to a fresh main window.
#pragma once

#include "AdvertWindow.h"

#include <cstdint>
#include <string>

class QLabel;
class QPushButton;

namespace kq {

class CaptionFrame;

class frmDisplay : public AdvertWindow
{
    Q_OBJECT
public:
    // Created hidden with its designed texts and a blue panel; deletes itself when closed.
    explicit frmDisplay(AppContext &context);

    // What the prediction writes, in this order.
    void setAge(std::int16_t age);
    // The predicted gender, worded into the gender label.
    void ApplyGenderChart(Gender gender);
    // The gender label's caption, as the prediction reads it back.
    QString genderCaption() const;
    // The panel in the baby's colour. The colour's name goes into a label that is never shown.
    void showColourOfGender(Gender gender);
    // The congratulation line above the gender.
    void setCongratulation(CongratulationLine line);
    // Shows the window, modeless and without an owner, with the focus on "&Back".
    void showInPlaceOfMain();

public slots:
    void cmdBack_Click();
    void mnuFileBack_Click();

private:
    void buildControls();
    void buildMenus();
    void describeResult();

    QPushButton *cmdBack = nullptr;
    CaptionFrame *frmScreenColor = nullptr;
    QLabel *lblAge = nullptr;
    QLabel *lblGenderOfChild = nullptr;
    QLabel *lblCongratulationMsg = nullptr;
    int captionAxis = 0; // the centre of the English heading, for the captions of translations
    // What the gender and congratulation captions say, as the designed window first has them.
    Gender shownGender = Gender::Boy;
    CongratulationLine shownLine = CongratulationLine::NineMonthsOrMore;
    QLabel *lblColorOfBaby = nullptr;
};

} // namespace kq
