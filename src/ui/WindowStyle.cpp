// The look shared by the program's windows.
#include "WindowStyle.h"

#include "AppContext.h"
#include "AppIcon.h"
#include "CaptionFrame.h"
#include "LinkLabel.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace kq {

void makeFixedMainWindow(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(FullTitle());
    window->setWindowIcon(ApplicationIcon());
}

void makeFixedDialog(QWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(FullTitle());
    window->setWindowIcon(ApplicationIcon());
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = window->size();
    window->move(available.x() + (available.width() - size.width()) / 2,
        available.y() + (available.height() - size.height()) / 2);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
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

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setButtonFace(QAbstractButton *button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
}

namespace {

void styleLabel(QLabel *label, const char *name, const QRect &place, const LabelStyle &style)
{
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(verdana(style.font));
    setTextColour(label, style.colour);
    label->setWordWrap(true);
    label->setAlignment(
        (style.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
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

void fitOnOneLine(QLabel *label, const FontStyle &designed)
{
    // One line, never wrapped: a word that does not fit would otherwise drop out of sight onto a
    // second line below the label. Two pixels stay free for the slant of italic letters.
    label->setWordWrap(false);
    QFont font = verdana(designed);
    const double smallest = designed.pointSize * 0.75;
    const qreal room = label->width() - 2;
    while (QFontMetricsF(font).horizontalAdvance(label->text()) > room
        && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

void runExitFlowAfterClose(const AppContext &context)
{
    if (!context.exitFlow)
        return;
    QTimer::singleShot(0, qApp, [flow = context.exitFlow] { flow(); });
}

} // namespace kq
