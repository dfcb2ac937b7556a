// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// One of the main window's six date lists: a select-only drop-down list, white on maroon (the
// face of the closed list included), with the program's slim drop-down button.
#pragma once

#include <QComboBox>

namespace kq {

class DateListBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DateListBox(QWidget *parent);

protected:
    // Hands the style the palette shared by every date list of the run (Look.h).
    void initStyleOption(QStyleOptionComboBox *option) const override;
};

} // namespace kq
