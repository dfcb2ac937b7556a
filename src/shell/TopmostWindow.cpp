// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Shows a window above every window that is not itself topmost, without activating it.
#include "TopmostWindow.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace kq {

void ShowTopmost(QWidget &window)
{
    // Shown without taking the activation away from what the user is doing.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
#ifdef Q_OS_WIN
    // The toolkit makes the native window; the shell's own call makes it topmost.
    window.show();
    constexpr UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    static_assert(flags == 0x53);
    ::SetWindowPos(reinterpret_cast<HWND>(window.winId()), HWND_TOPMOST, 0, 0, 0, 0, flags);
#else
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    window.show();
    window.raise();
#endif
}

} // namespace kq
