// The look of the main window's six date lists: Qt's Fusion style, which draws a list in the
// colours it is given on every desktop, with a slimmer drop-down button, so that a four-digit
// year shows whole in the narrow year lists.
#pragma once

#include <QProxyStyle>

namespace kq {

class DateListStyle : public QProxyStyle
{
    Q_OBJECT
public:
    DateListStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget = nullptr) const override;
};

} // namespace kq
