// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The per-user settings store on disk, in a temporary folder.
#include "QtSettingsStore.h"
#include "DiskSettingsPlatform.h"
#include "ReminderSetting.h"
#include "modHelp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString App = QStringLiteral("kq-pregnancy-calendar");
const QString Section = kq::test::ReminderSection;

QByteArray FileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(QtSettingsStore, NeverWrittenKeyReadsEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    kq::QtSettingsStore store(dir.path());
    EXPECT_EQ(store.read(App, Section, QStringLiteral("Duration")), QString());
    store.write(App, Section, QStringLiteral("Other"), QStringLiteral("x"));
    EXPECT_EQ(store.read(App, Section, QStringLiteral("Duration")), QString());
    EXPECT_EQ(store.read(App, QStringLiteral("Elsewhere"), QStringLiteral("Other")), QString());
}

TEST(QtSettingsStore, ValueSurvivesReopeningAndIsReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString key = kq::test::ReminderKey();
    kq::QtSettingsStore(dir.path()).write(App, Section, key, QStringLiteral("first"));
    kq::QtSettingsStore(dir.path()).write(App, Section, key, QStringLiteral("second"));
    EXPECT_EQ(kq::QtSettingsStore(dir.path()).read(App, Section, key), QStringLiteral("second"));
}

TEST(QtSettingsStore, OneFilePerApplicationName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    kq::QtSettingsStore store(dir.path());
    store.write(App, Section, QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(store.fileName(App), dir.filePath(App + QStringLiteral(".ini")));
    EXPECT_TRUE(QFile::exists(store.fileName(App)));
    EXPECT_EQ(store.read(QStringLiteral("renamed-copy"), Section, QStringLiteral("k")), QString());
}

TEST(QtSettingsStore, WriteIntoAnImpossibleFolderIsSilentlyLost)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    kq::QtSettingsStore store(dir.filePath(QStringLiteral("file/settings")));
    store.write(App, Section, QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(store.read(App, Section, QStringLiteral("k")), QString());
}

// What the reminder leaves on disk: the section in plain text, the key and the date encoded.
TEST(QtSettingsStore, ReminderFileHoldsNoPlainKeyOrDate)
{
    kq::testing::DiskSettingsPlatform disk;
    ASSERT_TRUE(disk.folder.isValid());
    auto &[folder, fake, store, platform] = disk;

    modHelp::RunUpdateReminder(platform);

    const QByteArray onDisk = FileBytes(disk.settingsFile());
    EXPECT_TRUE(onDisk.contains("[Settings]")) << onDisk.constData();
    EXPECT_FALSE(onDisk.contains("Duration")) << onDisk.constData();
    EXPECT_FALSE(onDisk.contains("2009-12-01")) << onDisk.constData();
    EXPECT_FALSE(onDisk.contains("2009")) << onDisk.constData();

    // Read back through a fresh store, a second run finds today and asks nothing.
    kq::QtSettingsStore reopened(folder.path());
    EXPECT_EQ(modHelp::DecodeSetting(
                  reopened.read(platform.applicationName, Section, kq::test::ReminderKey())),
        QStringLiteral("2009-12-01"));
    fake.clock.current = fake.clock.current.addDays(15);
    kq::Platform later {fake.messages, fake.browser, reopened, fake.clock, fake.random,
        fake.instance, fake.platform.applicationName};
    modHelp::RunUpdateReminder(later);
    EXPECT_EQ(fake.messages.shown.size(), 1);
}

TEST(QtSettingsStore, DefaultFolderIsTheProgramsOwnInTheUserConfiguration)
{
    const QString folder = kq::QtSettingsStore::defaultFolder();
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/kq-pregnancy-calendar"))) << qPrintable(folder);
    EXPECT_FALSE(folder.contains(QStringLiteral("Unknown Organization")));
}

} // namespace
