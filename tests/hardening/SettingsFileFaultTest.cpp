// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The settings file when the desktop works against it: unreadable, in a folder that cannot be
// written, full of random bytes, or several megabytes long. The reminder then asks nothing
// about it, never fails, and a prediction still works; where the file can be repaired, the next
// run finds today's date.
#include "FakePlatform.h"
#include "Prediction.h"
#include "QtSettingsStore.h"
#include "ReminderSetting.h"
#include "RowName.h"
#include "RunProgram.h"
#include "modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include <unistd.h>

namespace {

using kq::testing::FakePlatform;

// The fakes for everything but the settings, which are the real store in `folder`.
struct ProgramRun
{
    explicit ProgramRun(const QString &folder)
        : store(folder)
        , platform {fake.messages, fake.browser, store, fake.clock, fake.random, fake.instance,
              fake.platform.applicationName}
    {
        fake.clock.current = QDateTime(QDate(2010, 3, 1), QTime(8, 0));
    }

    QString storedDate()
    {
        return modHelp::DecodeSetting(store.read(
            platform.applicationName, kq::test::ReminderSection, kq::test::ReminderKey()));
    }

    QString fileName() const { return store.fileName(platform.applicationName); }

    FakePlatform fake;
    kq::QtSettingsStore store;
    kq::Platform platform;
};

// A prediction request as the main window makes it: the reminder first, then the prediction,
// which goes on as usual whatever became of the settings.
void ExpectPredictionWorks(kq::Platform &platform)
{
    using namespace std::chrono;
    modHelp::RunUpdateReminder(platform);
    kq::PredictionState state;
    const kq::PredictionAnswer answer = state.PredictBabyGender(
        kq::DateSelection {15, 6, 1980}, kq::DateSelection {21, 2, 2008}, 2009y / 12 / 1);
    EXPECT_EQ(answer.outcome, kq::PredictionOutcome::Predicted);
    EXPECT_EQ(answer.motherChineseAge, 29);
}

bool WriteFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Root()
{
    return ::geteuid() == 0;
}

// Settings that cannot be kept, whoever runs the program (root included): a folder in place of
// the file, which no one can read as settings or replace, or a settings folder that takes no new
// files (/proc/self). Every run is then a first run that cannot keep its date: no question,
// ever, nothing opened, no failure, and the prediction works.
struct UnkeptCase
{
    const char *name;
    bool folderInPlaceOfTheFile; // else the settings folder is /proc/self
};

class SettingsThatCannotBeKept : public ::testing::TestWithParam<UnkeptCase>
{
};

TEST_P(SettingsThatCannotBeKept, NeverAskAndThePredictionWorks)
{
    const bool folderInPlace = GetParam().folderInPlaceOfTheFile;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProgramRun run(folderInPlace ? dir.path() : QStringLiteral("/proc/self"));
    if (folderInPlace) {
        ASSERT_TRUE(QDir().mkpath(run.fileName()));
    }
    for (int call = 0; call < 3; ++call)
        modHelp::RunUpdateReminder(run.platform);
    EXPECT_TRUE(run.fake.messages.shown.isEmpty());
    EXPECT_TRUE(run.fake.browser.opened.isEmpty());
    EXPECT_EQ(run.storedDate(), QString());
    EXPECT_EQ(QFileInfo::exists(run.fileName()), folderInPlace); // left as it was
    EXPECT_EQ(QFileInfo(run.fileName()).isDir(), folderInPlace);
    ExpectPredictionWorks(run.platform);
    EXPECT_TRUE(run.fake.messages.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Folders, SettingsThatCannotBeKept,
    ::testing::Values(UnkeptCase {"FolderInPlaceOfTheFile", true},
        UnkeptCase {"FolderThatTakesNoNewFiles", false}),
    kq::test::RowName());

// A later start of the program, in a process of its own (QSettings keeps what it has read
// for the life of a process): whether it asked and whether it opened the download page.
struct StartResult
{
    int asked = -1;
    int opened = -1;
};

QByteArray RunHelper(const QStringList &arguments)
{
    const kq::test::ProgramRun run
        = kq::test::RunProgram(QStringLiteral(KQ_SETTINGS_RUN_PATH), arguments);
    return run.status == 0 ? run.out.trimmed() : QByteArray("failed");
}

StartResult StartOn(const QString &folder, const QString &day, const char *answer = "no")
{
    const QByteArray line
        = RunHelper({QStringLiteral("remind"), folder, day, QString::fromLatin1(answer)});
    StartResult result;
    if (std::sscanf(line.constData(), "asked=%d opened=%d", &result.asked, &result.opened) != 2)
        return {};
    return result;
}

// The date the next start finds.
QString StoredBy(const QString &folder)
{
    return QString::fromUtf8(RunHelper({QStringLiteral("read"), folder}));
}

// A file without read permission. Root reads it anyway, so the case only exists for a user.
// A start that cannot read it takes itself for a first run and asks nothing; the store does
// not write over a file it could not read, so the file stays as it was.
TEST(SettingsFileFault, UnreadableBecauseOfItsPermissions)
{
    if (Root())
        GTEST_SKIP() << "running as root: a file without read permission is still readable";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("kq-pregnancy-calendar.ini"));
    EXPECT_EQ(StartOn(dir.path(), QStringLiteral("2010-03-01")).asked, 0);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::Permissions {}));
    for (const QString &day : {QStringLiteral("2010-04-10"), QStringLiteral("2010-06-10")}) {
        const StartResult later = StartOn(dir.path(), day);
        EXPECT_EQ(later.asked, 0);
        EXPECT_EQ(later.opened, 0);
    }
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(StoredBy(dir.path()), QStringLiteral("2010-03-01"));
}

// A read-only folder that already holds a date: the date keeps being read; when the question
// comes, the new date cannot be kept (so it comes again at the next start), and the answer
// still counts.
TEST(SettingsFileFault, ReadOnlyFolderWithADateInIt)
{
    if (Root())
        GTEST_SKIP() << "running as root: a folder without write permission is still writable";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(StartOn(dir.path(), QStringLiteral("2010-03-01")).asked, 0);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_EQ(StartOn(dir.path(), QStringLiteral("2010-03-11")).asked, 0);
    const StartResult later = StartOn(dir.path(), QStringLiteral("2010-04-10"), "yes");
    EXPECT_EQ(later.asked, 1);
    EXPECT_EQ(later.opened, 1);
    EXPECT_EQ(StoredBy(dir.path()), QStringLiteral("2010-03-01"));
    QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Random bytes in place of the file: nothing is asked, and the store's rewrite leaves a file
// from which the next run reads today's date.
TEST(SettingsFileFault, CorruptFileOfRandomBytes)
{
    std::mt19937 random(13); // the same bytes on every run
    for (int round = 0; round < 30; ++round) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ProgramRun run(dir.path());
        std::string bytes(1 + random() % (64 << 10), '\0');
        for (char &byte : bytes)
            byte = static_cast<char>(random() % 256);
        if (round % 2 == 0) // a damaged file that still starts as the right one
            bytes = "[Settings]\n" + bytes;
        ASSERT_TRUE(WriteFile(run.fileName(), QByteArray::fromStdString(bytes)));

        modHelp::RunUpdateReminder(run.platform);
        ASSERT_TRUE(run.fake.messages.shown.isEmpty()) << "round " << round;

        ProgramRun next(dir.path());
        next.fake.clock.current = run.fake.clock.current.addDays(3);
        modHelp::RunUpdateReminder(next.platform);
        ASSERT_TRUE(next.fake.messages.shown.isEmpty()) << "round " << round;
        ASSERT_EQ(next.storedDate(), QStringLiteral("2010-03-01")) << "round " << round;
        ExpectPredictionWorks(next.platform);
        ASSERT_TRUE(next.fake.messages.shown.isEmpty()) << "round " << round;
    }
}

// Several megabytes: thousands of other keys around the real one, and one huge value.
TEST(SettingsFileFault, HugeFileIsReadAndKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProgramRun first(dir.path());
    modHelp::RunUpdateReminder(first.platform); // writes 2010-03-01
    QFile file(first.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();

    QByteArray huge = "[Other]\n";
    for (int i = 0; i < 60000; ++i)
        huge += "key" + QByteArray::number(i) + "=" + QByteArray(40, 'v') + "\n";
    huge += written; // the real section and key, among the rest
    huge += "[More]\nbig=" + QByteArray(2 << 20, 'x') + "\n";
    ASSERT_GT(huge.size(), 4 << 20);
    ASSERT_TRUE(WriteFile(first.fileName(), huge));

    ProgramRun later(dir.path());
    later.fake.clock.current = later.fake.clock.current.addDays(14);
    modHelp::RunUpdateReminder(later.platform);
    EXPECT_TRUE(later.fake.messages.shown.isEmpty());
    EXPECT_EQ(later.storedDate(), QStringLiteral("2010-03-01"));

    // Fifteen days on the question comes, and the new date is written into the huge file
    // without losing its other contents.
    later.fake.clock.current = later.fake.clock.current.addDays(1);
    modHelp::RunUpdateReminder(later.platform);
    EXPECT_EQ(later.fake.messages.shown.size(), 1);
    EXPECT_EQ(later.storedDate(), QStringLiteral("2010-03-16"));
    EXPECT_EQ(later.store.read(later.platform.applicationName, QStringLiteral("Other"),
                  QStringLiteral("key59999")),
        QString(40, QChar(u'v')));
    ExpectPredictionWorks(later.platform);
    EXPECT_EQ(later.fake.messages.shown.size(), 1);
}

} // namespace
