// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop's services for one run of the program: one of each, made in main() and handed to
// the shell and the windows as a Platform bundle.
#pragma once

#include "Platform.h"
#include "QtClock.h"
#include "QtMessageBoxes.h"
#include "QtRandomSource.h"

#ifdef Q_OS_WIN
#include "MutexInstanceGuard.h"
#include "RegistrySettingsStore.h"
#include "ShellExecuteBrowser.h"
#else
#include "QtBrowser.h"
#include "QtInstanceGuard.h"
#include "QtSettingsStore.h"
#endif

namespace kq {

// The browser, the settings store and the single-instance rule are the platform's own: on
// Windows the shell's open action, the runtime's settings in the registry and a named mutex.
#ifdef Q_OS_WIN
using DesktopBrowser = ShellExecuteBrowser;
using DesktopSettingsStore = RegistrySettingsStore;
using DesktopInstanceGuard = MutexInstanceGuard;
#else
using DesktopBrowser = QtBrowser;
using DesktopSettingsStore = QtSettingsStore;
using DesktopInstanceGuard = QtInstanceGuard;
#endif

class QtPlatform
{
public:
    // The application name is the base name of the running executable.
    QtPlatform();
    // For tests: a chosen application name, place of the settings (a folder; on Windows a
    // registry key under HKEY_CURRENT_USER) and of the instance claim (a lock file; on Windows a
    // mutex name).
    QtPlatform(
        const QString &applicationName, const QString &settingsPlace, const QString &instancePlace);
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    // The executable's file name without its extension ("kq-pregnancy-calendar"); renaming the
    // file gives a fresh set of settings.
    static QString ExecutableBaseName();

    QtMessageBoxes messages;
    DesktopBrowser browser;
    DesktopSettingsStore settings;
    QtClock clock;
    QtRandomSource random;
    DesktopInstanceGuard instance;
    Platform platform;
};

} // namespace kq
