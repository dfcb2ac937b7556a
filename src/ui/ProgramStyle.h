// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look: Qt's Fusion style, which draws the main window's six date lists in the
// colours they are given on every desktop, with a slimmer drop-down button, so that a four-digit
// year shows whole in the narrow year lists. As it polishes a control it gives it the colours
// of its kind (Look.h).
//
// Where the desktop's own style is Fusion anyway, it is the whole application's style (so the
// lists need no style of their own, which would make each build its drop-down popup at once);
// elsewhere the date lists (DateListBox) take it on themselves.
#pragma once

#include <QProxyStyle>

namespace kq {

class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ProgramStyle();

    // Makes this the application's style when the current one is Fusion; before any window.
    static void installForApplication();

    // Gives the program's buttons and date lists their colours.
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    // The date lists' slim drop-down button.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget = nullptr) const override;
    // The menu bar's overflow button asks for its arrows when every menu bar is made; they are
    // read from image files only when the button is first drawn (it shows only when the menus do
    // not fit), which keeps the image decoders out of the start-up.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
};

} // namespace kq
