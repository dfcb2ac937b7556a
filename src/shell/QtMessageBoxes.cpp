// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's message boxes on the desktop: modal, with the icon and buttons asked for and
// the application's title unless the caller gives one.
#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kq {

namespace {

// A lone carriage return separates the lines of a message (the update question uses one);
// a Qt label only breaks lines at a line feed, so the box shows it as one.
QString DisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageBoxes::build(
    const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    auto box = std::make_unique<QMessageBox>(
        icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        title.isEmpty() ? ApplicationTitle() : title, DisplayText(text),
        yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    // Enter answers Yes; Escape and the close box answer No.
    box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box->setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    return box;
}

MessageAnswer QtMessageBoxes::show(
    const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    // Without a widget application there is nothing to show a box on: answer as if the user
    // had declined.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return yesNo ? MessageAnswer::No : MessageAnswer::Ok;

    const std::unique_ptr<QMessageBox> box = build(text, icon, buttons, title);
    const int pressed = box->exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace kq
