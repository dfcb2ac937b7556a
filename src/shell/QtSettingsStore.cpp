// The per-user settings store: one INI file per application name in the program's folder under
// the user's configuration folder, one INI section per settings section.
#include "QtSettingsStore.h"

#include <QDir>
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
    QSettings settings(fileName(application), QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
}

} // namespace kq
