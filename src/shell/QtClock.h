// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The computer's clock: the current local date and time.
#pragma once

#include "Platform.h"

namespace kq {

class QtClock : public Clock
{
public:
    QDateTime now() const override;
};

} // namespace kq
