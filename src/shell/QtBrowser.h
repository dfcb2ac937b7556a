// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Opens an address of the publisher's site in the user's default browser.
#pragma once

#include "Platform.h"

namespace kq {

class QtBrowser : public Browser
{
public:
    void open(const QUrl &address) override;
};

} // namespace kq
