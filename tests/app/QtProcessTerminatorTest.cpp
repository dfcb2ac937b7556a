// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// How the desktop program's run ends: every window closed in the toolkit's order (a refusing one
// passed over), then the event loop left with the status, or the status kept when no loop runs.
#include "QtProcessTerminator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace kq {
namespace {

class RecordingWindow : public QWidget
{
public:
    std::function<void(QCloseEvent *)> onClose;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (onClose)
            onClose(event);
    }
};

TEST(QtProcessTerminator, ClosesEveryWindowShownOrHiddenAndPassesOverOneThatRefuses)
{
    QStringList closed;
    RecordingWindow main;
    main.onClose = [&](QCloseEvent *) { closed << "main"; };
    main.show();
    RecordingWindow hiddenResult; // created hidden: still loaded
    hiddenResult.onClose = [&](QCloseEvent *) { closed << "result"; };
    RecordingWindow stubborn;
    stubborn.onClose = [&](QCloseEvent *event) {
        closed << "stubborn";
        event->ignore();
    };
    stubborn.show();
    auto *deletedOnClose = new RecordingWindow; // deleted by the toolkit once closed
    deletedOnClose->setAttribute(Qt::WA_DeleteOnClose);
    deletedOnClose->onClose = [&](QCloseEvent *) { closed << "deleted"; };
    deletedOnClose->show();

    QtProcessTerminator terminator;
    terminator.closeWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    closed.sort(); // the toolkit's order of windows is its own
    EXPECT_EQ(closed, (QStringList {"deleted", "main", "result", "stubborn"}));
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(stubborn.isVisible());
    EXPECT_FALSE(terminator.statusBeforeLoop().has_value());
}

TEST(QtProcessTerminator, LeavesTheRunningEventLoopWithTheStatus)
{
    QtProcessTerminator terminator;
    QTimer::singleShot(0, [&] { terminator.terminate(0); });
    // A safety net only: a loop that the terminator fails to leave ends with status 1.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);

    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(terminator.statusBeforeLoop().has_value());
}

// Before the event loop runs (the "already running" message at start-up) the status is kept for
// main() to return, and the caller goes on.
TEST(QtProcessTerminator, BeforeTheEventLoopKeepsTheStatus)
{
    QtProcessTerminator terminator;
    terminator.terminate(0);
    EXPECT_EQ(terminator.statusBeforeLoop(), 0);
}

} // namespace
} // namespace kq
