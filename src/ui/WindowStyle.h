// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The building blocks of the program's windows: fixed-size windows centred on the screen with
// the application icon, buttons, frames, and labels built from a caption, a place in twips, a
// font and a colour (the colours and fonts themselves are in Look.h).
#pragma once

#include "Look.h"

#include <QColor>
#include <QRect>

class QLabel;
class QWidget;
class QPushButton;

namespace kq {

class CaptionFrame;
class LinkLabel;

// A window of the program: a title bar with the system menu and the close box, no minimise
// and no maximise button, a fixed size, the full title and the application icon. The kind is
// Qt::Window for the main, result and support windows, Qt::Dialog for the about box.
void makeFixedWindow(QWidget *window, Qt::WindowType kind);
// Moves a window whose size is settled so that its frame lies in the middle of the screen.
void centreOnScreen(QWidget *window);

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
// The font fitOnOneLine gives a label of that width for the text.
QFont fittedFont(const QString &text, int width, const FontStyle &designed);

} // namespace kq
