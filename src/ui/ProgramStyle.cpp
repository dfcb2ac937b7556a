// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look: Fusion with the date lists' slimmer drop-down button.
#include "ProgramStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include <cstddef>

namespace kq {

namespace {

constexpr int ButtonWidth = 13; // pixels, about the width of a classic list's button
constexpr int Border = 2;
// More sets of colours than the program's windows use; beyond it palettes are drawn as given.
constexpr std::size_t MaxSteadyPalettes = 64;

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

// Calls draw(option) with `option`, or with a copy of it that has `palette` where the option is
// exactly of type Option.
template <class Option, class Draw>
bool drawCopy(const QStyleOption *option, const QPalette &palette, const Draw &draw)
{
    if (option->type != Option::Type || option->version != Option::Version)
        return false;
    Option copy(*static_cast<const Option *>(option));
    copy.palette = palette;
    draw(&copy);
    return true;
}

// Calls draw with `option` given `palette` (the same colours under a steady cache key); options
// of a type not listed here are drawn as they are.
template <class Draw>
void drawWithPalette(const QStyleOption *option, const QPalette &palette, const Draw &draw)
{
    if (drawCopy<QStyleOption>(option, palette, draw)
        || drawCopy<QStyleOptionButton>(option, palette, draw)
        || drawCopy<QStyleOptionComboBox>(option, palette, draw)
        || drawCopy<QStyleOptionFrame>(option, palette, draw)
        || drawCopy<QStyleOptionMenuItem>(option, palette, draw)
        || drawCopy<QStyleOptionToolButton>(option, palette, draw)
        || drawCopy<QStyleOptionFocusRect>(option, palette, draw)
        || drawCopy<QStyleOptionSpinBox>(option, palette, draw)
        || drawCopy<QStyleOptionSlider>(option, palette, draw)
        || drawCopy<QStyleOptionHeader>(option, palette, draw)
        || drawCopy<QStyleOptionProgressBar>(option, palette, draw)
        || drawCopy<QStyleOptionTab>(option, palette, draw)
        || drawCopy<QStyleOptionTabWidgetFrame>(option, palette, draw)
        || drawCopy<QStyleOptionTitleBar>(option, palette, draw)
        || drawCopy<QStyleOptionViewItem>(option, palette, draw))
        return;
    draw(option);
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

bool ProgramStyle::neededOnDateLists()
{
    return !qobject_cast<ProgramStyle *>(QApplication::style());
}

ProgramStyle *ProgramStyle::sharedForDateLists()
{
    // Made again only if the application that owned it has gone (one test process may make
    // several).
    static QPointer<ProgramStyle> shared;
    if (!shared) {
        shared = new ProgramStyle;
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}

QPalette ProgramStyle::steadyPalette(const QPalette &palette) const
{
    auto steady = [&](const QPalette &known) {
        QPalette same = known;
        same.setCurrentColorGroup(palette.currentColorGroup());
        return same;
    };
    for (const QPalette &known : steadyPalettes)
        if (known.cacheKey() == palette.cacheKey() || known == palette)
            return steady(known);
    if (steadyPalettes.size() < MaxSteadyPalettes)
        steadyPalettes.push_back(palette);
    return palette;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    if (!option)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QPalette palette = steadyPalette(option->palette);
    if (palette.cacheKey() == option->palette.cacheKey())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    drawWithPalette(option, palette, [&](const QStyleOption *steady) {
        QProxyStyle::drawPrimitive(element, steady, painter, widget);
    });
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    if (!option)
        return QProxyStyle::drawControl(element, option, painter, widget);
    const QPalette palette = steadyPalette(option->palette);
    if (palette.cacheKey() == option->palette.cacheKey())
        return QProxyStyle::drawControl(element, option, painter, widget);
    drawWithPalette(option, palette, [&](const QStyleOption *steady) {
        QProxyStyle::drawControl(element, steady, painter, widget);
    });
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
    QPainter *painter, const QWidget *widget) const
{
    if (!option)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    const QPalette palette = steadyPalette(option->palette);
    if (palette.cacheKey() == option->palette.cacheKey())
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    drawWithPalette(option, palette, [&](const QStyleOption *steady) {
        QProxyStyle::drawComplexControl(
            control, static_cast<const QStyleOptionComplex *>(steady), painter, widget);
    });
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
