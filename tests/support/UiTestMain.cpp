// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs the window tests inside one QApplication (offscreen platform, set by CTest).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // CTest sets the offscreen platform; listing the tests at build time needs it as well.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
