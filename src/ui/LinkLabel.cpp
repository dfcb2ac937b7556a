// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A label that works as a link.
#include "LinkLabel.h"

#include <QMouseEvent>

namespace kq {

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    // A screen reader reads the text as the name; the description says it can be followed.
    setAccessibleDescription(tr("link"));
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button over the label, as with a button.
void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = pressed;
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kq
