// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Shows a window above every window that is not itself topmost, and keeps it there, without
// moving, resizing or activating it.
#pragma once

class QWidget;

namespace kq {

// On Windows the window is shown and then placed with SetWindowPos(HWND_TOPMOST, no size, no
// move, no activation, show: 0x53); elsewhere the toolkit's stay-on-top hint does the same.
void ShowTopmost(QWidget &window);

} // namespace kq
