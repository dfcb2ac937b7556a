// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Opens an address of the publisher's site in the user's default browser.
#include "QtBrowser.h"

#include <QDesktopServices>
#include <QGuiApplication>

namespace kq {

void QtBrowser::open(const QUrl &address)
{
    // The desktop services need a GUI application; without one there is no desktop to ask.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    // Whether a browser could be started is never shown to the user.
    (void)QDesktopServices::openUrl(address);
}

} // namespace kq
