// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The computer's clock: the current local date and time.
#include "QtClock.h"

namespace kq {

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace kq
