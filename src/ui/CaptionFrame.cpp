// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A borderless frame with an optional caption.
#include "CaptionFrame.h"

#include "Texts.h"

#include <QPainter>

namespace kq {

CaptionFrame::CaptionFrame(QWidget *parent, const QString &caption)
    : QWidget(parent)
    , captionText(labelText(caption))
    , captionColour(Qt::black)
    , captionFont(font())
{
    // The caption is painted, not a child label: give it to screen readers as the frame's name,
    // without the dashes that only decorate it on screen.
    QString name = captionText;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    if (!name.isEmpty())
        setAccessibleName(name);
}

void CaptionFrame::setCaptionStyle(const QColor &colour, const QFont &font)
{
    captionColour = colour;
    captionFont = font;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (captionText.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(captionFont);
    painter.setPen(captionColour);
    // The whole height of the frame: a line with Chinese characters is taller than the
    // caption's Latin line.
    painter.drawText(QRect(CaptionLeft, 0, width() - CaptionLeft, height()),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, captionText);
}

} // namespace kq
