// The result window: the mother's Chinese age, the predicted gender, the baby's colour as the
// background of a large panel and a congratulation line. The main window fills it while it is
// hidden and then shows it in its own place; "&Back" returns to a fresh main window.
#pragma once

#include "AdvertWindow.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace kq {

class CaptionFrame;
class LinkLabel;

class frmDisplay : public AdvertWindow
{
    Q_OBJECT
public:
    // Created hidden with its designed texts and a blue panel; deletes itself when closed.
    explicit frmDisplay(AppContext &context);

    // What the prediction writes, in this order.
    void setAge(std::int16_t age);
    // The gender chart's answer for the age and lunar month, written into the gender label;
    // the label keeps "Boy" when the chart has none.
    void ApplyGenderChart(std::int16_t age, std::int16_t lunarMonth);
    // Colours the panel after the gender label: blue for "Boy", pink for "Girl". The colour's
    // name goes into a label that is never shown.
    void showColourOfGender();
    void setCongratulation(const QString &line);
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
    LinkLabel *Label61 = nullptr;
    CaptionFrame *frmScreenColor = nullptr;
    QLabel *lblAge = nullptr;
    QLabel *lblGenderOfChild = nullptr;
    QLabel *lblCongratulationMsg = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
    QLabel *lblColorOfBaby = nullptr;
};

} // namespace kq
