// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A manual tool, not a test: shows the support window with the fake platform and prints its
// window id, so that a screenshot can be taken under Xvfb (see docs/screenshots).
#include "FakePlatform.h"
#include "frmNagScreen2.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    kq::testing::FakePlatform fake;
    fake.random.values = {argc > 1 ? QByteArray(argv[1]).toFloat() : 0.0f};
    kq::frmNagScreen2 *window
        = kq::frmNagScreen2::ShowSupportWindow(fake.platform, [] { QApplication::quit(); });
    std::printf("0x%llx\n", static_cast<unsigned long long>(window->winId()));
    std::fflush(stdout);
    return app.exec();
}
