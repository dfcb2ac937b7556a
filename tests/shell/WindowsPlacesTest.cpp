// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Where the Windows build keeps its setting and its instance claim, checked on every platform:
// the registry key is the one the Windows runtime has always used for a program's settings, so
// a date kept there by an earlier copy is found; the claim is per application name and session.
#include "MutexInstanceGuard.h"
#include "RegistrySettingsStore.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsPlaces, SettingsLieUnderTheRuntimesProgramSettingsKey)
{
    EXPECT_EQ(kq::RegistrySettingsKey(kq::RegistrySettingsStore::defaultRoot(),
                  QStringLiteral("kq-pregnancy-calendar"), QStringLiteral("Settings")),
        QStringLiteral("Software\\VB and VBA Program Settings\\kq-pregnancy-calendar\\Settings"));
}

TEST(WindowsPlaces, TheInstanceClaimIsPerApplicationNameInTheSession)
{
    const QString name = kq::InstanceMutexName(QStringLiteral("kq-pregnancy-calendar"));
    EXPECT_TRUE(name.startsWith(QStringLiteral("Local\\")));
    EXPECT_NE(name, kq::InstanceMutexName(QStringLiteral("renamed")));
    // A backslash would name a folder of the object namespace that does not exist.
    EXPECT_FALSE(name.mid(6).contains(QLatin1Char('\\')));
}

} // namespace
