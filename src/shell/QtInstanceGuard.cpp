// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The single-instance rule: one running copy of the program per user, marked by a lock file in
// the user's runtime folder. A lock left behind by a copy that was killed does not count.
#include "QtInstanceGuard.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kq {

QtInstanceGuard::QtInstanceGuard(const QString &lockFilePath)
    : path(lockFilePath)
    , lock(std::make_unique<QLockFile>(lockFilePath))
{
    // A claim counts exactly as long as the process named in it is alive, however long it has
    // been running: no claim goes stale by age alone (QLockFile's default is 30 seconds; the
    // holder's native file lock protects a live claim on most file systems, but not all).
    lock->setStaleLockTime(0);
}

QtInstanceGuard::~QtInstanceGuard() = default;

QString QtInstanceGuard::defaultLockFilePath(const QString &application)
{
    // The runtime folder belongs to the user alone. Where there is none, the shared temporary
    // folder is used with the user's name in the file name.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = application;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
        QString user = qEnvironmentVariable("USER");
        if (user.isEmpty())
            user = qEnvironmentVariable("USERNAME");
        if (!user.isEmpty())
            name += QLatin1Char('-') + user;
    }
    return QDir(folder).filePath(name + QStringLiteral(".lock"));
}

bool QtInstanceGuard::anotherInstanceRunning()
{
    if (held)
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // tryLock removes a stale lock (its process has died) and takes the claim.
    if (lock->tryLock(0)) {
        held = true;
        return false;
    }
    // A lock file whose contents cannot be read (a copy killed between creating and writing
    // it, or a full disk) names no process that could still be running: once it is older than
    // the moment a starting copy needs to write it, it does not count either.
    qint64 pid = 0;
    QString host, application;
    if (lock->error() == QLockFile::LockFailedError
        && !lock->getLockInfo(&pid, &host, &application)) {
        const QDateTime written = QFileInfo(path).lastModified();
        if (written.isValid() && qAbs(written.secsTo(QDateTime::currentDateTime())) > 5) {
            if (lock->removeStaleLockFile() && lock->tryLock(0))
                held = true;
            // Something that cannot be removed (a folder at the lock's place, a file in a
            // folder that is not writable) would otherwise keep the program from starting
            // forever: it names no running copy, so the program starts, without the rule.
            return false;
        }
    }
    // Only a lock held by a live copy means "running". When the lock cannot be made at all
    // (folder missing or not writable), the program starts rather than refusing to.
    return lock->error() == QLockFile::LockFailedError;
}

void QtInstanceGuard::release()
{
    if (!held)
        return;
    lock->unlock();
    held = false;
}

} // namespace kq
