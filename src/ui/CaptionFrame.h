// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A frame of the windows: a borderless container with its own background colour and, when
// it has one, a caption written at its top left in its own colour and font.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace kq {

class CaptionFrame : public QWidget
{
    Q_OBJECT
public:
    explicit CaptionFrame(QWidget *parent, const QString &caption = {});

    void setCaptionStyle(const QColor &colour, const QFont &font);
    // The caption as it is drawn, in its font, from CaptionLeft to the right edge.
    const QString &caption() const { return captionText; }
    const QFont &captionDrawingFont() const { return captionFont; }

    // Where the caption starts: the usual inset of a frame's caption from its left edge.
    static constexpr int CaptionLeft = 8;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString captionText;
    QColor captionColour;
    QFont captionFont;
};

} // namespace kq
