// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop's services for one run of the program: one of each, made in main() and handed to
// the shell and the windows as a Platform bundle.
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kq {

namespace {

QString DefaultInstancePlace(const QString &application)
{
#ifdef Q_OS_WIN
    return InstanceMutexName(application);
#else
    return QtInstanceGuard::defaultLockFilePath(application);
#endif
}

} // namespace

QtPlatform::QtPlatform()
    : QtPlatform(ExecutableBaseName(), QString(), DefaultInstancePlace(ExecutableBaseName()))
{ }

QtPlatform::QtPlatform(
    const QString &applicationName, const QString &settingsPlace, const QString &instancePlace)
    : settings(settingsPlace)
    , instance(instancePlace)
    , platform {messages, browser, settings, clock, random, instance, applicationName}
{ }

QString QtPlatform::ExecutableBaseName()
{
    QString name;
    if (QCoreApplication::instance())
        name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    // A file named only by an extension (".kq") has no base name; keep a usable name.
    if (name.isEmpty())
        name = QStringLiteral("kq-pregnancy-calendar");
    return name;
}

} // namespace kq
