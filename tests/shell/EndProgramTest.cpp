// The end of the run: every window closed (and told that the run is ending), the instance claim
// given up, then the process ended with status 0.
#include "FakePlatform.h"
#include "modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using kq::testing::FakePlatform;

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

class EndProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        modHelp::ResetEndingForTests();
        modHelp::SetProcessTerminator([this](int code) { exitCodes.append(code); });
    }
    void TearDown() override
    {
        modHelp::SetProcessTerminator({});
        modHelp::ResetEndingForTests();
    }

    FakePlatform fake;
    QList<int> exitCodes;
};

TEST_F(EndProgramTest, ClosesEveryWindowThenReleasesThenTerminates)
{
    QStringList events;
    auto window = [&](const QString &name, bool visible) {
        auto w = std::make_unique<RecordingWindow>();
        w->onClose = [&, name](QCloseEvent *) {
            events << name + (modHelp::IsEnding() ? ":ending" : ":running")
                    + (fake.instance.releases == 0 ? ":claimed" : ":released");
        };
        if (visible)
            w->show();
        return w;
    };
    auto mainWindow = window(QStringLiteral("main"), true);
    auto support = window(QStringLiteral("support"), true);
    auto hiddenResult = window(QStringLiteral("result"), false); // created hidden: still loaded
    modHelp::SetProcessTerminator([&](int code) {
        exitCodes.append(code);
        events << QStringLiteral("terminate:released=%1").arg(fake.instance.releases);
    });

    EXPECT_FALSE(modHelp::IsEnding());
    modHelp::EndProgram(fake.platform);

    ASSERT_EQ(events.size(), 4);
    events.sort(); // the toolkit's order of windows is its own
    EXPECT_EQ(events,
        (QStringList {"main:ending:claimed", "result:ending:claimed", "support:ending:claimed",
            "terminate:released=1"}));
    EXPECT_FALSE(mainWindow->isVisible());
    EXPECT_FALSE(support->isVisible());
    EXPECT_EQ(exitCodes, QList<int> {0});
    EXPECT_TRUE(modHelp::IsEnding());
}

TEST_F(EndProgramTest, AWindowThatRefusesIsPassedOver)
{
    RecordingWindow stubborn;
    stubborn.onClose = [](QCloseEvent *event) { event->ignore(); };
    stubborn.show();
    RecordingWindow other;
    other.show();

    modHelp::EndProgram(fake.platform);

    EXPECT_TRUE(stubborn.isVisible());
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(fake.instance.releases, 1);
    EXPECT_EQ(exitCodes, QList<int> {0});
}

// The support window runs EndProgram when it is closed; closed by EndProgram itself, that
// second call must not run the end again.
TEST_F(EndProgramTest, ACloseHandlerCallingEndProgramAgainDoesNothing)
{
    RecordingWindow support;
    support.onClose = [&](QCloseEvent *) { modHelp::EndProgram(fake.platform); };
    support.show();
    auto deletedOnClose = new RecordingWindow; // deleted by the toolkit once closed
    deletedOnClose->setAttribute(Qt::WA_DeleteOnClose);
    deletedOnClose->show();

    modHelp::EndProgram(fake.platform);

    EXPECT_EQ(fake.instance.releases, 1);
    EXPECT_EQ(exitCodes, QList<int> {0});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(EndProgramDefault, LeavesTheRunningEventLoopWithStatusZero)
{
    modHelp::ResetEndingForTests();
    modHelp::SetProcessTerminator({});
    FakePlatform fake;
    RecordingWindow window;
    window.show();
    QTimer::singleShot(0, [&] { modHelp::EndProgram(fake.platform); });
    // A safety net only: a loop that EndProgram fails to leave ends with status 1.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);

    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(fake.instance.releases, 1);
    modHelp::ResetEndingForTests();
}

// Before the event loop runs (the "already running" message at start-up) the process ends at
// once instead of carrying on into the loop.
TEST(EndProgramDefault, WithoutAnEventLoopEndsTheProcessWithStatusZero)
{
    EXPECT_EXIT(
        {
            modHelp::ResetEndingForTests();
            modHelp::SetProcessTerminator({});
            FakePlatform fake;
            modHelp::EndProgram(fake.platform);
            std::fputs("EndProgram returned", stderr);
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
