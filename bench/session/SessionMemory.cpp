// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Memory over a long session: the real main and result windows, driven through rounds of
// "&Get My Baby's Gender" then "&Back" as a user would, with the resident memory printed after
// the first 50 rounds and after the last. Run it on a display (bench/session-memory.sh starts a
// private Xvfb and a fresh user, so no update question comes up).
#include "AppContext.h"
#include "ProgramStyle.h"
#include "QtPlatform.h"
#include "QtProcessTerminator.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <cstdio>

namespace {

// The resident memory of this process in kB (VmRSS), or -1 where /proc does not say.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Lets the windows draw and the closed ones go, as the event loop would between two clicks.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <class Window>
Window *visibleWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

bool press(QWidget *window, const char *button)
{
    auto *found = window ? window->findChild<QPushButton *>(QLatin1String(button)) : nullptr;
    if (!found)
        return false;
    found->click();
    settle();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    kq::ProgramStyle::installForApplication();
    const int rounds = argc > 1 ? std::max(51, QByteArray(argv[1]).toInt()) : 500;

    kq::QtPlatform desktop;
    kq::PredictionState engine;
    kq::QtProcessTerminator terminator;
    kq::AppContext context {desktop.platform, engine, terminator, {}};
    auto *main = new kq::frmMain(context);
    main->show();
    settle();
    std::printf("start: %ld kB\n", residentKilobytes());

    long after50 = 0;
    for (int round = 1; round <= rounds; ++round) {
        // The lists as they open (1 January 1915, 1 January 1960) give a prediction.
        if (!press(visibleWindow<kq::frmMain>(), "cmdGetBabyGender")
            || !press(visibleWindow<kq::frmDisplay>(), "cmdBack")) {
            std::fprintf(stderr, "round %d: a window or button is missing\n", round);
            return 1;
        }
        if (round == 50) {
            after50 = residentKilobytes();
            std::printf("after 50 rounds: %ld kB\n", after50);
        }
    }
    const long last = residentKilobytes();
    std::printf("after %d rounds: %ld kB\n", rounds, last);
    std::printf("per round after the first 50: %.2f kB\n", double(last - after50) / (rounds - 50));
    terminator.closeWindows();
    settle();
    return 0;
}
