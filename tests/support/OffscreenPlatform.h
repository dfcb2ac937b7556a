// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The widget tests run on Qt's offscreen platform, so that nothing appears on a screen. CTest
// sets it for a run; it is set here too, for when CTest lists the tests and for Wine, which
// keeps the QT_ variables of the Unix environment from Windows programs.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace kq::test {

// Before the application object is made.
inline void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // On Windows the offscreen platform reads fonts from one folder, Qt's own by default, where
    // Qt ships none, and draws every text in empty boxes. The tests see the system's fonts, as
    // the windows platform does.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + QByteArray("\\Fonts"));
#endif
}

} // namespace kq::test
