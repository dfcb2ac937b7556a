// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's services with the real per-user settings store, kept in a fresh temporary
// folder that goes with the value; every other service is a fake.
#pragma once

#include "FakePlatform.h"
#include "QtSettingsStore.h"

#include <QTemporaryDir>

namespace kq::testing {

struct DiskSettingsPlatform
{
    QTemporaryDir folder;
    FakePlatform fake;
    QtSettingsStore store {folder.path()};
    Platform platform {fake.messages, fake.browser, store, fake.clock, fake.random, fake.instance,
        fake.platform.applicationName};

    // The file that holds the program's settings.
    QString settingsFile() const { return store.fileName(platform.applicationName); }
};

} // namespace kq::testing
