// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: opens an address of the publisher's site through the shell's "Open" action.
#include "ShellExecuteBrowser.h"

#include <qt_windows.h>
#include <shellapi.h>

namespace kq {

void ShellExecuteBrowser::open(const QUrl &address)
{
    // The address is built percent-encoded, so its text is plain ASCII and reads the same in
    // every ANSI code page. Whether the shell could open it is never shown to the user.
    const QByteArray file = address.toEncoded();
    (void)::ShellExecuteA(nullptr, "Open", file.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace kq
