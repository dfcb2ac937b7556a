// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
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

    // Ends every opener that is still running (each wrote its process id on a line).
    void TearDown() override
    {
        for (const QByteArray &pid : readFile(QStringLiteral("pids")).split('\n'))
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
        browser.open(
            QUrl::fromEncoded(modHelp::PageAddressForKey("download-web-page"), QUrl::StrictMode));
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
    openAndExpectResponsive();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return readFile(QStringLiteral("record")).count('\n') == 2; }, 10000));
}

// The opener keeps running; the program does not wait for it. (Its output goes nowhere, so it
// holds no pipe of the test run open.)
TEST_F(BrowserFault, OpenerThatNeverEnds)
{
    writeOpener("echo $$ >> '" + dir.filePath("pids").toUtf8()
        + "'\nexec /bin/sleep 600 </dev/null >/dev/null 2>&1\n");
    openAndExpectResponsive();
    openAndExpectResponsive();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return readFile(QStringLiteral("pids")).count('\n') == 2; }, 10000));
    for (const QByteArray &pid : readFile(QStringLiteral("pids")).trimmed().split('\n'))
        EXPECT_EQ(::kill(static_cast<pid_t>(pid.toLongLong()), 0), 0); // still running
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
