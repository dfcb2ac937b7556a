// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs the shell tests inside a widget application, on the offscreen platform so that nothing
// appears on a screen.
#include "OffscreenPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    kq::test::UseOffscreenPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
