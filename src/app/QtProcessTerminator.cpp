// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The end of the desktop program's run.
#include "QtProcessTerminator.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>

namespace kq {

void QtProcessTerminator::closeWindows()
{
    // In the order in which the toolkit lists them. A close may delete another window (or
    // itself): such a window is passed over, as is one that refuses to close.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget> &window : std::as_const(windows))
        if (window)
            window->close();
}

void QtProcessTerminator::terminate(int exitCode)
{
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
    else
        endedBeforeLoop = exitCode;
}

} // namespace kq
