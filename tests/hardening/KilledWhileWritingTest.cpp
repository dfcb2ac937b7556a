// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program killed at any moment while it writes its setting: the next start finds a
// readable file holding the last date written in full (or a later one), the neighbouring
// values intact, and it can read and write the setting as usual. Writes replace the whole file
// at once (QSettings writes a new file and renames it over the old one).
#include "DiskSettingsPlatform.h"
#include "ReminderSetting.h"
#include "modHelp.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using kq::test::ReminderKey;
using kq::test::ReminderSection;

TEST(KilledWhileWriting, NextStartFindsTheSettingIntact)
{
    // The moments of the kill, counted in writes the killed copy had finished (0: during
    // start-up or its very first write).
    for (const int finished : {0, 0, 1, 1, 2, 3, 5, 8, 13, 21, 34, 55}) {
        SCOPED_TRACE(::testing::Message() << "killed after " << finished << " writes");
        kq::testing::DiskSettingsPlatform disk;
        ASSERT_TRUE(disk.folder.isValid());
        QProcess writer;
        writer.start(
            QStringLiteral(KQ_SETTINGS_RUN_PATH), {QStringLiteral("writer"), disk.folder.path()});
        ASSERT_TRUE(writer.waitForStarted());
        QByteArray lastReported;
        for (int i = 0; i < finished; ++i) {
            while (!writer.canReadLine())
                ASSERT_TRUE(writer.waitForReadyRead(30000));
            lastReported = writer.readLine().trimmed();
        }
        writer.kill(); // SIGKILL: no handler runs, no buffer is flushed
        ASSERT_TRUE(writer.waitForFinished(30000));
        while (writer.canReadLine()) // writes reported between the last read and the kill
            lastReported = writer.readLine().trimmed();

        auto &[folder, fake, store, platform] = disk;
        const QString stored = modHelp::DecodeSetting(
            store.read(platform.applicationName, ReminderSection, ReminderKey()));
        if (!lastReported.isEmpty()) {
            // Every date a write reported is on disk in full: the last one or a later one.
            const QDate reported
                = QDate::fromString(QString::fromLatin1(lastReported), Qt::ISODate);
            const QDate found = QDate::fromString(stored, Qt::ISODate);
            ASSERT_TRUE(found.isValid()) << qPrintable(stored);
            EXPECT_GE(found, reported);
            EXPECT_EQ(store.read(platform.applicationName, QStringLiteral("Neighbour"),
                          QStringLiteral("big")),
                QString(256 * 1024, QChar(u'n')));
        } else {
            // Killed before anything was reported: no file, or a whole one.
            EXPECT_TRUE(stored.isEmpty() || QDate::fromString(stored, Qt::ISODate).isValid())
                << qPrintable(stored);
        }

        // The next start reads and writes the setting as usual: its first reminder writes
        // today (or finds a date and, fifteen days on, asks and writes today).
        fake.clock.current = QDateTime(QDate(2040, 1, 1), QTime(9, 0));
        modHelp::RunUpdateReminder(platform);
        EXPECT_EQ(modHelp::DecodeSetting(
                      store.read(platform.applicationName, ReminderSection, ReminderKey())),
            QStringLiteral("2040-01-01"));
        EXPECT_FALSE(QFileInfo::exists(disk.settingsFile() + ".lock"));
    }
}

// The narrowest moment: killed after making the store's lock file and before writing its
// process id into it. The empty lock names nobody; the next start must not wait for it to
// grow old (the toolkit's own patience is 30 seconds, a hang at start-up). The deadline below
// only tells that wait from none; it is no speed target.
TEST(KilledWhileWriting, EmptyLockLeftBehindDoesNotHoldUpTheNextStart)
{
    kq::testing::DiskSettingsPlatform disk;
    ASSERT_TRUE(disk.folder.isValid());
    auto &[folder, fake, store, platform] = disk;
    const QString lockName = disk.settingsFile() + ".lock";
    {
        QFile lock(lockName);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        ASSERT_TRUE(lock.setFileTime(
            QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime));
    }
    const QDeadlineTimer deadline(15000);
    modHelp::RunUpdateReminder(platform);
    EXPECT_FALSE(deadline.hasExpired());
    EXPECT_EQ(modHelp::DecodeSetting(
                  store.read(platform.applicationName, ReminderSection, ReminderKey())),
        QStringLiteral("2009-12-01"));
    EXPECT_FALSE(QFileInfo::exists(lockName));
}

} // namespace
