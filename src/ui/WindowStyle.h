// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The look shared by the program's windows: fixed-size windows centred on the screen with the
// application icon, colours set on a control, and labels built from a caption, a place in
// twips, a font and a colour.
#pragma once

#include "Fonts.h"

#include <QColor>
#include <QRect>

class QLabel;
class QWidget;
class QAbstractButton;
class QPushButton;

namespace kq {

class CaptionFrame;
class LinkLabel;

// The program's own colours, shared by its windows.
inline constexpr QColor DarkGreen {0, 64, 0}; // frame captions, the about box's links and rule
inline constexpr QColor DarkRed {128, 0, 0}; // disclaimers and notices
inline constexpr QColor LinkBlue {0, 0, 255}; // links on white

// A window of the program: a title bar with the system menu and the close box, no minimise
// and no maximise button, a fixed size, the full title and the application icon. The kind is
// Qt::Window for the main, result and support windows, Qt::Dialog for the about box.
void makeFixedWindow(QWidget *window, Qt::WindowType kind);
// Moves a window whose size is settled so that its frame lies in the middle of the screen.
void centreOnScreen(QWidget *window);

// An opaque background in the given colour, with the colour of the text drawn on it (on the
// widget itself and in its text boxes): the desktop's own text colour may be meant for another
// background and be unreadable on this one.
void setBackground(QWidget *widget, const QColor &colour, const QColor &text = Qt::black);
// The colour of the text.
void setTextColour(QWidget *widget, const QColor &colour);
// A button drawn in its own colour, (192, 192, 192) for every button of the program.
void setButtonFace(QAbstractButton *button);
// A button of the program's main windows and about box: a caption with its access key, a place
// in twips, its own font and face, and what it does for a screen reader.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
    const QRect &place, const FontStyle &font, const QString &description);

// A borderless frame in its own background colour; with a caption, the caption is drawn at its
// top left in dark green, "Verdana" 8.25 pt bold.
CaptionFrame *makeFrame(QWidget *parent, const char *name, const QRect &place,
    const QColor &background, const QString &caption = {});

enum class Align { Left, Centre };

struct LabelStyle
{
    FontStyle font;
    QColor colour = Qt::black;
    Align align = Align::Left;
};

// A transparent label that wraps its text within its width, as the windows' labels do.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &place,
    const LabelStyle &style);
// A link label: pointing hand, left click opens something; otherwise as makeLabel.
LinkLabel *makeLinkLabel(QWidget *parent, const char *name, const QString &caption,
    const QRect &place, const LabelStyle &style);

// For a label designed to hold one line: when its text is wider than the label in the font on
// hand (the fallback for "Verdana" runs wider), the font steps down by quarter points, to no
// less than three quarters of the designed size, until the line fits. Called again whenever
// the text changes.
void fitOnOneLine(QLabel *label, const FontStyle &designed);

} // namespace kq
