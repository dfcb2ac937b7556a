// The date lists' slimmer drop-down button.
#include "DateListStyle.h"

#include <QStyleFactory>
#include <QStyleOption>

namespace kq {

namespace {
constexpr int ButtonWidth = 13; // pixels, about the width of a classic list's button
constexpr int Border = 2;
} // namespace

DateListStyle::DateListStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{ }

QRect DateListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
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

} // namespace kq
