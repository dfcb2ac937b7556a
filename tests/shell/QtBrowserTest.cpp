// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The real way out to the browser: on a desktop the toolkit does not know, it runs xdg-open
// from the PATH. A recording xdg-open put first on the PATH shows the exact address it got.
#include "QtBrowser.h"
#include "modHelp.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class QtBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        record = dir.filePath(QStringLiteral("opened.txt"));
        QFile script(dir.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + record.toUtf8() + "'\n");
        script.close();
        script.setPermissions(
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        oldPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ':' + oldPath);
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("DESKTOP_SESSION");
    }
    void TearDown() override { qputenv("PATH", oldPath); }

    QByteArray recorded(int lines)
    {
        QByteArray contents;
        (void)QTest::qWaitFor(
            [&] {
                QFile file(record);
                if (file.open(QIODevice::ReadOnly))
                    contents = file.readAll();
                return contents.count('\n') >= lines;
            },
            10000);
        return contents;
    }

    QTemporaryDir dir;
    QString record;
    QByteArray oldPath;
};

// One test only: the toolkit looks xdg-open up once per run and keeps the path it found.
TEST_F(QtBrowserTest, HandsTheExactAddressToTheDesktop)
{
    kq::QtBrowser browser;
    const QByteArray page = modHelp::PageAddressForKey("download-web-page");
    // Already-encoded text (as in the referral form's address) is passed on as it is.
    const QByteArray encoded = "https://www.kq-publisher.example/ssd.php?page=x&taf1=a%20b%2Bc";
    browser.open(QUrl::fromEncoded(page, QUrl::StrictMode));
    browser.open(QUrl::fromEncoded(encoded, QUrl::StrictMode));
    // The two launches run side by side: their order in the record is their own.
    QList<QByteArray> lines = recorded(2).split('\n');
    lines.removeAll(QByteArray());
    std::sort(lines.begin(), lines.end());
    QList<QByteArray> expected {page, encoded};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
