// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The look shared by the program's windows.
#include "WindowStyle.h"

#include "AppIcon.h"
#include "CaptionFrame.h"
#include "LinkLabel.h"
#include "Platform.h"
#include "ProgramStyle.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>

namespace kq {

void makeFixedWindow(QWidget *window, Qt::WindowType kind)
{
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(FullTitle());
    window->setWindowIcon(ApplicationIcon());
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the window is first shown its frame is not known yet and is its client area.
    const QRect available = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    window->move(available.x() + (available.width() - frame.width()) / 2,
        available.y() + (available.height() - frame.height()) / 2);
}

CaptionFrame *makeFrame(QWidget *parent, const char *name, const QRect &place,
    const QColor &background, const QString &caption)
{
    auto *frame = new CaptionFrame(parent, caption);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(place);
    setBackground(frame, background);
    if (!caption.isEmpty())
        frame->setCaptionStyle(DarkGreen, verdana({8.25, true}));
    return frame;
}

namespace {

// A button of the program's windows: it hands the style the palette shared by every button of
// its colours (Look.h).
class Button : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton *option) const override
    {
        QPushButton::initStyleOption(option);
        useSharedPalette(option->palette);
    }
};

} // namespace

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
    const QRect &place, const FontStyle &font, const QString &description)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(verdana(font));
    // Its face comes with the program style, which polishes it; a desktop style is not ours.
    markControl(button, ControlKind::Button);
    if (!qobject_cast<const ProgramStyle *>(button->style()))
        applyLook(button);
    button->setAccessibleDescription(description);
    return button;
}

namespace {

// A line with Chinese characters is taller than the Latin line each label was designed for
// (the CJK face's ascent and descent are larger than its characters): a label of a single
// such line that is taller than the label centres it in the height, which keeps
// every character inside (they then sit about where the Latin letters sit).
void keepChineseLineInside(QLabel *label)
{
    if (windowScript() == ChineseScript::None || !hasChineseCharacters(label->text()))
        return;
    const QFontMetrics metrics(label->font());
    const bool oneLine = metrics.horizontalAdvance(label->text()) <= label->width();
    const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
    label->setAlignment(horizontal
        | (oneLine && metrics.boundingRect(label->text()).height() > label->height()
                ? Qt::AlignVCenter
                : Qt::AlignTop));
}

void styleLabel(QLabel *label, const char *name, const QRect &place, const LabelStyle &style)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(verdana(style.font));
    setTextColour(label, style.colour);
    label->setWordWrap(true);
    label->setAlignment(
        (style.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    keepChineseLineInside(label);
}

} // namespace

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &place,
    const LabelStyle &style)
{
    auto *label = new QLabel(labelText(caption), parent);
    label->setTextFormat(Qt::PlainText);
    styleLabel(label, name, place, style);
    return label;
}

LinkLabel *makeLinkLabel(QWidget *parent, const char *name, const QString &caption,
    const QRect &place, const LabelStyle &style)
{
    auto *label = new LinkLabel(labelText(caption), parent);
    styleLabel(label, name, place, style);
    return label;
}

QFont fittedFont(const QString &text, int width, const FontStyle &designed)
{
    // Two pixels stay free for the slant of italic letters.
    QFont font = verdana(designed);
    const double smallest = designed.pointSize * 0.75;
    const qreal room = width - 2;
    while (
        QFontMetricsF(font).horizontalAdvance(text) > room && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

void fitOnOneLine(QLabel *label, const FontStyle &designed)
{
    // One line, never wrapped: a word that does not fit would otherwise drop out of sight onto a
    // second line below the label.
    label->setWordWrap(false);
    label->setFont(fittedFont(label->text(), label->width(), designed));
    keepChineseLineInside(label);
}

} // namespace kq
