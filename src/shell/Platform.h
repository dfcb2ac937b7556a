// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The platform layer: one small interface per service the program takes from the desktop
// (message boxes, the browser, the per-user settings store, the clock, the random source, the
// previous-instance query). main() makes one Platform bundle of the Qt implementations and
// hands it by reference to the shell and the windows; tests hand in fakes instead.
#pragma once

#include "modMasterEdit.h"

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <cstdint>

namespace kq {

// The application's title: the caption of every message box that passes no title of its own.
inline const QString &ApplicationTitle()
{
    static const QString title = QString::fromUtf8(
        modMasterEdit::ProductName.data(), qsizetype(modMasterEdit::ProductName.size()));
    return title;
}

// The full title on every window: application title and version ("... v1.95").
inline const QString &FullTitle()
{
    static const QString title = ApplicationTitle() + QStringLiteral(" v")
        + QString::fromUtf8(
            modMasterEdit::ProductVersion.data(), qsizetype(modMasterEdit::ProductVersion.size()));
    return title;
}

enum class MessageIcon { Information, Error };
enum class MessageButtons { Ok, YesNo }; // YesNo: Yes is the default button
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box and returns the button pressed. An empty title means the
    // application's title.
    virtual MessageAnswer show(
        const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title = {})
        = 0;
};

class Browser
{
public:
    virtual ~Browser() = default;
    // Asks the desktop to open the address with the user's default handler. Never reports a
    // failure; never waits for the browser.
    virtual void open(const QUrl &address) = 0;
};

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The empty string when the value has never been written.
    virtual QString read(const QString &application, const QString &section, const QString &key)
        = 0;
    virtual void write(const QString &application, const QString &section, const QString &key,
        const QString &value)
        = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0; // local date and time
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t seed) = 0;
    // A single-precision value with 0 <= r < 1, strictly below 1.
    virtual float next() = 0;
};

class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    // True when another copy of the program is already running for this user. The first call
    // claims the instance for this process when none is running.
    virtual bool anotherInstanceRunning() = 0;
    // Gives the claim up (at the end of the run).
    virtual void release() = 0;
};

// The bundle handed to the shell and the windows.
struct Platform
{
    MessageBoxes &messages;
    Browser &browser;
    SettingsStore &settings;
    Clock &clock;
    RandomSource &random;
    InstanceGuard &instance;
    QString applicationName; // base name of the executable: the settings' application name
};

// Seeds the random source from the time of day, in whole seconds since midnight: at the start
// of the run and again when the support window is created.
inline void SeedRandomFromClock(Platform &platform)
{
    platform.random.seed(std::uint32_t(platform.clock.now().time().msecsSinceStartOfDay() / 1000));
}

} // namespace kq
