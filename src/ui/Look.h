// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look, in one place: its colours, its fonts, and the colours each kind of
// control is given (the program style applies them as it polishes a control).
#pragma once

#include "Languages.h"

#include <QColor>
#include <QFont>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QPalette;
class QWidget;

namespace kq {

// The program's colours.
inline constexpr QColor Maroon {64, 0, 0}; // the main window's banners and date lists
inline constexpr QColor DarkGreen {0, 64, 0}; // frame captions, the about box's links and rule
inline constexpr QColor DarkRed {128, 0, 0}; // disclaimers and notices
inline constexpr QColor WarningRed {255, 0, 0}; // the main window's age range
inline constexpr QColor LinkBlue {0, 0, 255}; // links on white
inline constexpr QColor ButtonFace {192, 192, 192}; // every button of the program

struct FontStyle
{
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Set once the language is known, before the first window is made: in Chinese the fonts fall
// back to the CJK face of the language's script, and Qt's own windows (the message boxes, the
// menus) find the Chinese characters in the same face; the windows lay out their dates as the
// language writes them.
void UseLanguage(const Language &language);
// The language the windows are made in (English until UseLanguage is called).
const Language &windowLanguage();
// The Chinese characters the windows are written in, if any.
ChineseScript windowScript();
// Whether a text holds Chinese characters (or full-width punctuation).
bool hasChineseCharacters(const QString &text);

// The families the program asks for: "Verdana" where the system has it, else "DejaVu Sans";
// in Chinese then the CJK face of the language's script (its Latin letters are never reached,
// so digits and addresses look as they do in English).
QStringList programFontFamilies();
// The program's font in a style ("Verdana" 8.25 pt regular by default).
QFont verdana(FontStyle style = {});

// An opaque background in the given colour, with the colour of the text drawn on it (on the
// widget itself and in its text boxes): the desktop's own text colour may be meant for another
// background and be unreadable on this one.
void setBackground(QWidget *widget, const QColor &colour, const QColor &text = Qt::black);
// The colour of the text.
void setTextColour(QWidget *widget, const QColor &colour);

// A control whose colours belong to its kind: a program button (a face of its own colour) or
// a date list (white on maroon, the face of the closed list included).
enum class ControlKind { Other, Button, DateList };
void markControl(QWidget *control, ControlKind kind);
ControlKind controlKind(const QWidget *control);
// Gives a control the colours of its kind; the program style does it as it polishes one.
void applyLook(QWidget *control);

// Replaces `palette`, as a control hands it to the style to be drawn, with the one palette of
// the run that has the same colours, keeping its current colour group. Fusion keeps its drawings
// of lists and buttons in Qt's pixmap cache under names that hold the palette's cache key, and
// every control has a palette (and a key) of its own: each new main or result window added the
// same drawings under new names, and the cache kept the names of those it let go. With one
// palette for each set of colours the names repeat and the drawings are found again.
void useSharedPalette(QPalette &palette);

} // namespace kq
