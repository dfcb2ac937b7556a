// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The per-user settings store: one INI file per application name in the program's folder under
// the user's configuration folder, one INI section per settings section.
#include "QtSettingsStore.h"

#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

namespace kq {

namespace {

// The program's own folder in the user's configuration folder. Naming it here (rather than
// through the organisation name of QSettings' user scope, which is empty in this program and
// would give "Unknown Organization") keeps the place fixed and recognisable.
const QString &ProgramFolderName()
{
    static const QString name = QStringLiteral("kq-pregnancy-calendar");
    return name;
}

// QSettings guards each write with "<file>.lock" and waits until it gets it. A copy killed
// between creating that lock and writing its process id into it leaves an empty lock that
// names nobody; QSettings then takes it for a live one until it is 30 seconds old, and the
// next start would hang that long at its first write. Such a lock is removed here once it is
// a few seconds old (a write holds the lock for milliseconds); a lock that names a running
// process is left alone.
void ClearAbandonedLock(const QString &settingsFile)
{
    QLockFile lock(settingsFile + QStringLiteral(".lock"));
    lock.setStaleLockTime(3000);
    if (lock.tryLock(0))
        lock.unlock();
}

} // namespace

QtSettingsStore::QtSettingsStore(const QString &baseFolder)
    : folder(baseFolder.isEmpty() ? defaultFolder() : baseFolder)
{ }

QString QtSettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1Char('/') + ProgramFolderName();
}

QString QtSettingsStore::fileName(const QString &application) const
{
    return QDir(folder).filePath(application + QStringLiteral(".ini"));
}

QString QtSettingsStore::read(
    const QString &application, const QString &section, const QString &key)
{
    // A fresh QSettings each time: every read sees what is on disk now.
    QSettings settings(fileName(application), QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key, QString()).toString();
}

void QtSettingsStore::write(
    const QString &application, const QString &section, const QString &key, const QString &value)
{
    // QSettings writes the whole file to a temporary file and renames it over the old one
    // (atomic sync is its default), under a lock file, so a crash never leaves half a file.
    // A failed write is not reported: the value is simply not kept.
    QDir().mkpath(folder);
    ClearAbandonedLock(fileName(application));
    QSettings settings(fileName(application), QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
}

} // namespace kq
