// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The per-user settings store: one INI file per application name in the program's folder under
// the user's configuration folder, one INI section per settings section.
#pragma once

#include "Platform.h"

namespace kq {

class QtSettingsStore : public SettingsStore
{
public:
    // baseFolder: where the files live; empty means the program's folder in the user's
    // configuration folder (on Linux ~/.config/kq-pregnancy-calendar).
    explicit QtSettingsStore(const QString &baseFolder = {});

    QString read(const QString &application, const QString &section, const QString &key) override;
    void write(const QString &application, const QString &section, const QString &key,
        const QString &value) override;

    // The file that holds the settings of one application name.
    QString fileName(const QString &application) const;
    static QString defaultFolder();

private:
    QString folder;
};

} // namespace kq
