// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs the shell tests inside a widget application, on the offscreen platform so that nothing
// appears on a screen.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Also when CTest lists the tests, where the test environment is not set.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
