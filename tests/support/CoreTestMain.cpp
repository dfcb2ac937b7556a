// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs tests that need an application object (translators) inside one QCoreApplication that
// main() owns. An object kept in a function's static would be destroyed after main() returns,
// which on Windows waits for threads the process has already ended, and never returns.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
