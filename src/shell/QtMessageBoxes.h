// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's message boxes on the desktop: modal, with the icon and buttons asked for and
// the application's title unless the caller gives one.
#pragma once

#include "Platform.h"

#include <memory>

class QMessageBox;

namespace kq {

class QtMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
        const QString &title = {}) override;

    // The box as it will be shown, not yet shown (tests look at it without opening it).
    static std::unique_ptr<QMessageBox> build(
        const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title);
};

} // namespace kq
