// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look: Qt's Fusion style, which draws the main window's six date lists in the
// colours they are given on every desktop, with a slimmer drop-down button, so that a four-digit
// year shows whole in the narrow year lists.
//
// Where the desktop's own style is Fusion anyway, it is the whole application's style (so the
// lists need no style of their own, which would make each build its drop-down popup at once);
// elsewhere only the date lists use it.
#pragma once

#include <QPalette>
#include <QProxyStyle>

#include <vector>

namespace kq {

class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ProgramStyle();

    // Makes this the application's style when the current one is Fusion; before any window.
    static void installForApplication();
    // Whether the date lists need this style set on them (the application's style is another).
    static bool neededOnDateLists();
    // The style set on the date lists then: one instance for every main window of the run,
    // made on first use and owned by the application.
    static ProgramStyle *sharedForDateLists();

    // Each control is drawn with the first palette of the same colours this style has drawn
    // with (see steadyPalette).
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget = nullptr) const override;
    // The menu bar's overflow button asks for its arrows when every menu bar is made; they are
    // read from image files only when the button is first drawn (it shows only when the menus do
    // not fit), which keeps the image decoders out of the start-up.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;

    // The palette of `palette`'s colours that this style draws with: the first such palette it
    // met. Fusion keeps the drawings of lists and buttons in Qt's pixmap cache under names that
    // include the palette's cache key, and every new window's controls have palettes (and keys)
    // of their own: each window added drawings the same as the last, and the names of those the
    // cache let go stayed in it, about 7 kB for every main window opened. With one palette per
    // set of colours the names repeat and the drawings are found again.
    QPalette steadyPalette(const QPalette &palette) const;

private:
    // One palette of each set of colours drawn with (a bounded number).
    mutable std::vector<QPalette> steadyPalettes;
};

} // namespace kq
