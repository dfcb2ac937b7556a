// Helper of KilledWhileWritingTest: a run of the program that does nothing but keep its setting
// up to date, as fast as it can, until it is killed. It keeps a large neighbour value in the
// same file (so that each write takes a while) and runs the update reminder with a clock that
// moves fifteen days on each time, answering No, so the reminder writes its date every time.
// After each write it prints the date it wrote, on a line of its own.
// Usage: settings_writer FOLDER
#include "FakePlatform.h"
#include "QtSettingsStore.h"
#include "modHelp.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 64;
    kq::testing::FakePlatform fake;
    kq::QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
    kq::Platform platform {fake.messages, fake.browser, store, fake.clock, fake.random,
        fake.instance, fake.platform.applicationName};
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
