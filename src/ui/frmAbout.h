// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The about box: the program's name and version, a short description of the Chinese
// pregnancy calendar and two links to the publisher's pages. Shown modally from the main and
// the result window's Help menu; "&OK", Enter, Esc and the close box close it.
#pragma once

#include "Platform.h"

#include <QDialog>

class QPushButton;

namespace kq {

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(Platform &platform);

public slots:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Platform &platform;
    QPushButton *cmdOK = nullptr;
};

} // namespace kq
