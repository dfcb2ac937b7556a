// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop's services for one run of the program: one of each, made in main() and handed to
// the shell and the windows as a Platform bundle.
#pragma once

#include "Platform.h"
#include "QtBrowser.h"
#include "QtClock.h"
#include "QtInstanceGuard.h"
#include "QtMessageBoxes.h"
#include "QtRandomSource.h"
#include "QtSettingsStore.h"

namespace kq {

class QtPlatform
{
public:
    // The application name is the base name of the running executable.
    QtPlatform();
    // For tests: a chosen application name, settings folder and lock file.
    QtPlatform(
        const QString &applicationName, const QString &settingsFolder, const QString &lockFilePath);
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    // The executable's file name without its extension ("kq-pregnancy-calendar"); renaming the
    // file gives a fresh set of settings.
    static QString ExecutableBaseName();

    QtMessageBoxes messages;
    QtBrowser browser;
    QtSettingsStore settings;
    QtClock clock;
    QtRandomSource random;
    QtInstanceGuard instance;
    Platform platform;
};

} // namespace kq
