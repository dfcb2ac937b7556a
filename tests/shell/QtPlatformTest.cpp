// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The bundle of desktop services made in main().
#include "QtPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QtPlatform, ApplicationNameIsTheExecutablesBaseName)
{
    EXPECT_EQ(kq::QtPlatform::ExecutableBaseName(), QStringLiteral("shell_tests"));
    kq::QtPlatform platform;
    EXPECT_EQ(platform.platform.applicationName, QStringLiteral("shell_tests"));
}

TEST(QtPlatform, BundleReachesTheServicesItOwns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    kq::QtPlatform qt(QStringLiteral("kq-test"), dir.path(), dir.filePath(QStringLiteral("l")));
    qt.platform.settings.write(qt.platform.applicationName, QStringLiteral("Settings"),
        QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(qt.settings.read(
                  QStringLiteral("kq-test"), QStringLiteral("Settings"), QStringLiteral("k")),
        QStringLiteral("v"));
    EXPECT_FALSE(qt.platform.instance.anotherInstanceRunning());
    EXPECT_TRUE(qt.instance.holdsClaim());
    const float r = qt.platform.random.next();
    EXPECT_TRUE(r >= 0.0f && r < 1.0f);
    EXPECT_TRUE(qt.platform.clock.now().isValid());
}

} // namespace
