// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: the per-user settings store where the Windows runtime has always kept a program's
// settings, HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, one
// string value per key. Key names and values are the settings codec's characters (codes 0 to
// 255) taken as bytes of the system's ANSI code page, as that runtime stored them, so a date
// kept there by an earlier copy of the program is read back unchanged.
#pragma once

#include "Platform.h"

namespace kq {

// The registry key, under HKEY_CURRENT_USER, of one section of one application's settings.
inline QString RegistrySettingsKey(
    const QString &root, const QString &application, const QString &section)
{
    return root + QLatin1Char('\\') + application + QLatin1Char('\\') + section;
}

class RegistrySettingsStore : public SettingsStore
{
public:
    // The runtime's own place for every program's settings.
    static QString defaultRoot() { return QStringLiteral("Software\\VB and VBA Program Settings"); }

    // root: the key under HKEY_CURRENT_USER that holds one key per application; empty means the
    // runtime's own place (tests pass a key of their own).
    explicit RegistrySettingsStore(const QString &root = {});

    QString read(const QString &application, const QString &section, const QString &key) override;
    void write(const QString &application, const QString &section, const QString &key,
        const QString &value) override;

    QString root() const { return rootKey; }

private:
    QString rootKey;
};

} // namespace kq
