// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Helper of the hardening tests: one start of the program as far as its setting goes, in a
// process of its own (QSettings keeps what it read for the life of a process, so a "next
// start" must be a new process).
//   settings_run remind FOLDER YYYY-MM-DD yes|no
//       runs the update reminder once on that day with that answer and prints
//       "asked=N opened=N"
//   settings_run read FOLDER
//       prints the stored date as a start finds it
//   settings_run writer FOLDER
//       keeps the setting up to date as fast as it can until it is killed: a large neighbour
//       value in the same file (so each write takes a while), then the reminder on a clock
//       fifteen days on each time, answering No, so that every call writes; after each write
//       it prints the date written on a line of its own
#include "FakePlatform.h"
#include "QtSettingsStore.h"
#include "ReminderSetting.h"
#include "modHelp.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

QString StoredDate(kq::Platform &platform)
{
    return modHelp::DecodeSetting(platform.settings.read(
        platform.applicationName, kq::test::ReminderSection, kq::test::ReminderKey()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 64;
    kq::testing::FakePlatform fake;
    kq::QtSettingsStore store(QString::fromLocal8Bit(argv[2]));
    kq::Platform platform {fake.messages, fake.browser, store, fake.clock, fake.random,
        fake.instance, fake.platform.applicationName};

    if (std::strcmp(argv[1], "remind") == 0 && argc == 5) {
        fake.clock.current
            = QDateTime(QDate::fromString(QString::fromLatin1(argv[3]), Qt::ISODate), QTime(9, 0));
        fake.messages.answers.push_back(
            std::strcmp(argv[4], "yes") == 0 ? kq::MessageAnswer::Yes : kq::MessageAnswer::No);
        modHelp::RunUpdateReminder(platform);
        std::printf("asked=%d opened=%d\n", static_cast<int>(fake.messages.shown.size()),
            static_cast<int>(fake.browser.opened.size()));
        return 0;
    }
    if (std::strcmp(argv[1], "read") == 0 && argc == 3) {
        std::printf("%s\n", qPrintable(StoredDate(platform)));
        return 0;
    }
    if (std::strcmp(argv[1], "writer") == 0 && argc == 3) {
        store.write(platform.applicationName, QStringLiteral("Neighbour"), QStringLiteral("big"),
            QString(256 * 1024, QChar(u'n')));
        fake.clock.current = QDateTime(QDate(2000, 1, 1), QTime(12, 0));
        for (;;) {
            modHelp::RunUpdateReminder(platform);
            std::printf("%s\n", qPrintable(fake.clock.current.date().toString(Qt::ISODate)));
            std::fflush(stdout);
            fake.clock.current = fake.clock.current.addDays(15);
        }
    }
    return 64;
}
