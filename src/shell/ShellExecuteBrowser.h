// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: opens an address of the publisher's site through the shell's "Open" action, as the
// page openers always have, with no owner window, no parameters, "C:\" as the working folder and
// the browser shown normally.
#pragma once

#include "Platform.h"

namespace kq {

class ShellExecuteBrowser : public Browser
{
public:
    void open(const QUrl &address) override;
};

} // namespace kq
