// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Where the update reminder keeps its date: section "Settings", key "Duration", both as the
// settings store holds them. The key is written out here in its stored form, each code of
// "Duration" moved up by 85, so that a fault of the settings codec cannot hide itself.
#pragma once

#include <QString>

#include <iterator>

namespace kq::test {

inline const QString ReminderSection = QStringLiteral("Settings");

inline QString ReminderKey()
{
    // D u r a t i o n: 68 117 114 97 116 105 111 110, each plus 85.
    static constexpr char16_t codes[] = {153, 202, 199, 182, 201, 190, 196, 195};
    return QString(
        reinterpret_cast<const QChar *>(codes), static_cast<qsizetype>(std::size(codes)));
}

} // namespace kq::test
