// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The single-instance rule: a live claim blocks a second copy, a claim left behind by a dead
// copy does not, and a lock that cannot be made never stops the program from starting.
#include "QtInstanceGuard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Age(const QString &path, int seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(
        QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

void WriteLockFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// The id of a process that has run and been reaped.
qint64 DeadProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

TEST(QtInstanceGuard, FirstClaimsSecondSeesItRunningUntilReleased)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    kq::QtInstanceGuard first(path);
    kq::QtInstanceGuard second(path);

    EXPECT_FALSE(first.anotherInstanceRunning());
    EXPECT_TRUE(first.holdsClaim());
    EXPECT_FALSE(first.anotherInstanceRunning()); // asking again does not see itself
    EXPECT_TRUE(second.anotherInstanceRunning());
    EXPECT_FALSE(second.holdsClaim());

    first.release();
    EXPECT_FALSE(second.anotherInstanceRunning());
    EXPECT_TRUE(second.holdsClaim());
}

TEST(QtInstanceGuard, AnotherLockOnTheSameFileCountsAsRunning)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    QLockFile other(path);
    ASSERT_TRUE(other.tryLock(0));
    kq::QtInstanceGuard guard(path);
    EXPECT_TRUE(guard.anotherInstanceRunning());
}

// A copy that has been running for an hour still holds its claim.
TEST(QtInstanceGuard, OldClaimOfALiveCopyStillCounts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    kq::QtInstanceGuard running(path);
    ASSERT_FALSE(running.anotherInstanceRunning());
    Age(path, 3600);
    kq::QtInstanceGuard second(path);
    EXPECT_TRUE(second.anotherInstanceRunning());
}

TEST(QtInstanceGuard, ClaimLeftByADeadCopyDoesNotBlock)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    const qint64 dead = DeadProcessId();
    ASSERT_GT(dead, 0);
    WriteLockFile(path,
        QByteArray::number(dead) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
            + QSysInfo::machineHostName().toUtf8() + '\n');
    kq::QtInstanceGuard guard(path);
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(guard.holdsClaim());
}

TEST(QtInstanceGuard, UnreadableOldLockFileDoesNotBlock)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kq.lock"));
    WriteLockFile(path, QByteArray());
    Age(path, 60);
    kq::QtInstanceGuard guard(path);
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(guard.holdsClaim());
}

TEST(QtInstanceGuard, LockThatCannotBeMadeLetsTheProgramStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteLockFile(dir.filePath(QStringLiteral("file")), "not a folder");
    kq::QtInstanceGuard guard(dir.filePath(QStringLiteral("file/sub/kq.lock")));
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_FALSE(guard.holdsClaim());
    guard.release(); // nothing to give up: no harm
}

TEST(QtInstanceGuard, DefaultLockIsPerUserAndPerApplicationName)
{
    const QString path = kq::QtInstanceGuard::defaultLockFilePath(QStringLiteral("kq-app"));
    EXPECT_TRUE(path.endsWith(QStringLiteral(".lock"))) << qPrintable(path);
    EXPECT_TRUE(path.contains(QStringLiteral("kq-app"))) << qPrintable(path);
}

} // namespace
