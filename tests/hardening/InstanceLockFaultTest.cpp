// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The single-instance lock when its folder is missing, cannot be made, cannot be written, or
// holds something that is no lock: the program always starts (without the single-instance rule
// when the lock cannot be taken) rather than refusing to run.
#include "QtInstanceGuard.h"
#include "RowName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

bool Root()
{
    return ::geteuid() == 0;
}

// Sets the modification time of a file or folder an hour back.
void MakeOld(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    timeval times[2] {};
    ::gettimeofday(&times[0], nullptr);
    times[0].tv_sec -= 3600;
    times[1] = times[0];
    ASSERT_EQ(::utimes(name.constData(), times), 0);
}

TEST(InstanceLockFault, MissingFolderIsMadeAndTheClaimTaken)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    kq::QtInstanceGuard guard(dir.filePath(QStringLiteral("gone/deeper/kq.lock")));
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(guard.holdsClaim());
    kq::QtInstanceGuard second(guard.lockFilePath());
    EXPECT_TRUE(second.anotherInstanceRunning()); // the rule holds once the folder exists
}

struct UnusableFolder
{
    const char *name;
    const char *lockPath;
};

// Folders in which nobody, root included, can make a file.
class InstanceLockUnusableFolder : public ::testing::TestWithParam<UnusableFolder>
{
};

TEST_P(InstanceLockUnusableFolder, ProgramStartsWithoutTheRule)
{
    kq::QtInstanceGuard guard(QString::fromLatin1(GetParam().lockPath));
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_FALSE(guard.holdsClaim());
    EXPECT_FALSE(guard.anotherInstanceRunning()); // asked again: the same answer
    guard.release();
}

INSTANTIATE_TEST_SUITE_P(Folders, InstanceLockUnusableFolder,
    ::testing::Values(UnusableFolder {"ReadOnlyFolder", "/proc/self/kq-pregnancy-calendar.lock"},
        UnusableFolder {"MissingFolderThatCannotBeMade", "/proc/self/no-such/kq.lock"}),
    kq::test::RowName());

TEST(InstanceLockFault, ReadOnlyFolderOfTheUser)
{
    if (Root())
        GTEST_SKIP() << "running as root: a folder without write permission is still writable";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    kq::QtInstanceGuard guard(dir.filePath(QStringLiteral("kq.lock")));
    EXPECT_FALSE(guard.anotherInstanceRunning());
    QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Something that is no lock file and cannot be removed stands at the lock's place (here a
// folder with a file in it): it names no running copy, so once it is old it does not count.
TEST(InstanceLockFault, OldThingThatIsNoLockAndCannotBeRemoved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
    MakeOld(path);
    kq::QtInstanceGuard guard(path);
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(QFileInfo(path).isDir()); // left alone
}

} // namespace
