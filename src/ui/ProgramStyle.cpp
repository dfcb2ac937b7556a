// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look: Fusion with the date lists' slimmer drop-down button.
#include "ProgramStyle.h"

#include "Look.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

namespace kq {

namespace {

constexpr int ButtonWidth = 13; // pixels, about the width of a classic list's button
constexpr int Border = 2;

// A standard icon of the base style, fetched when it is first drawn or measured.
class DeferredStandardIcon : public QIconEngine
{
public:
    DeferredStandardIcon(QStyle *base, QStyle::StandardPixmap which)
        : base(base)
        , which(which)
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Never null: asking must not read the images.
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new DeferredStandardIcon(base, which); }
    QString key() const override { return QStringLiteral("kq-deferred-standard-icon"); }

private:
    const QIcon &icon()
    {
        if (!fetched) {
            fetched = true;
            if (base)
                loaded = base->standardIcon(which);
        }
        return loaded;
    }

    QPointer<QStyle> base;
    QStyle::StandardPixmap which;
    bool fetched = false;
    QIcon loaded;
};

bool isFusion(const QStyle *style)
{
    return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{ }

void ProgramStyle::installForApplication()
{
    if (isFusion(QApplication::style()) && !qobject_cast<ProgramStyle *>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}

void ProgramStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    applyLook(widget);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
    SubControl part, const QWidget *widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect frame = option->rect;
    switch (part) {
    case SC_ComboBoxArrow:
        return visualRect(option->direction, frame,
            QRect(frame.right() - ButtonWidth - Border + 1, frame.top() + Border, ButtonWidth,
                frame.height() - 2 * Border));
    case SC_ComboBoxEditField:
        return visualRect(option->direction, frame,
            QRect(frame.left() + Border + 1, frame.top() + Border,
                frame.width() - ButtonWidth - 2 * Border - 2, frame.height() - 2 * Border));
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

QIcon ProgramStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton
        || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace kq
