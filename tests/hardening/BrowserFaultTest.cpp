// No browser can be started: no xdg-open on the PATH, one that fails, one that never ends.
// Opening a page then shows nothing, returns at once and leaves the program responsive. Runs on
// a private X server (the desktop's real way out, which the offscreen platform does not take);
// each case in a process of its own, since the toolkit looks the opener up once per run.
#include "QtBrowser.h"
#include "modHelp.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class BrowserFault : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Only the test's own folder on the PATH: no browser of the machine can be found.
        qputenv("PATH", dir.path().toUtf8());
        for (const char *name : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP",
                 "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            qunsetenv(name);
    }

    void TearDown() override
    {
        const QByteArray pid = readFile(QStringLiteral("pid"));
        if (!pid.trimmed().isEmpty())
            ::kill(static_cast<pid_t>(pid.trimmed().toLongLong()), SIGKILL);
    }

    void writeOpener(const QByteArray &body)
    {
        QFile script(dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body);
        script.close();
        script.setPermissions(
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QByteArray readFile(const QString &name)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens the download page; then the event loop must still run: a timer queued after the
    // call fires.
    void openAndExpectResponsive()
    {
        kq::QtBrowser browser;
        browser.open(QUrl::fromEncoded(
            modHelp::PageAddress(modHelp::PageKey::DownloadWebPage), QUrl::StrictMode));
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return fired; }, 10000));
        EXPECT_TRUE(QGuiApplication::topLevelWindows().isEmpty()); // nothing shown
    }

    QTemporaryDir dir;
};

TEST_F(BrowserFault, NoOpenerOnThePath)
{
    openAndExpectResponsive();
    openAndExpectResponsive(); // and again
}

TEST_F(BrowserFault, OpenerThatFails)
{
    writeOpener("echo started >> '" + dir.filePath("record").toUtf8() + "'\nexit 3\n");
    openAndExpectResponsive();
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(QStringLiteral("record")).size() > 0; }));
    openAndExpectResponsive();
}

TEST_F(BrowserFault, OpenerThatNeverEnds)
{
    writeOpener("echo $$ > '" + dir.filePath("pid").toUtf8() + "'\nexec /bin/sleep 600\n");
    openAndExpectResponsive();
    // The opener is running (and stays so) while the program goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !readFile(QStringLiteral("pid")).isEmpty(); }));
    const pid_t opener = static_cast<pid_t>(readFile(QStringLiteral("pid")).trimmed().toLongLong());
    EXPECT_EQ(::kill(opener, 0), 0);
    openAndExpectResponsive();
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
