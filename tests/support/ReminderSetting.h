// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Where the update reminder keeps its date: section "Settings", key "Duration", both as the
// settings store holds them (the key through the settings codec).
#pragma once

#include "modHelp.h"

#include <QString>

namespace kq::test {

inline const QString ReminderSection = QStringLiteral("Settings");

inline QString ReminderKey()
{
    return modHelp::EncodeSetting(QStringLiteral("Duration"));
}

} // namespace kq::test
