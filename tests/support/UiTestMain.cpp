// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs the window tests inside one QApplication (offscreen platform, set by CTest).
#include "OffscreenPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    kq::test::UseOffscreenPlatform();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
