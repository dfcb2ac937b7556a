// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The end of the run: the windows closed while the instance is still claimed and the run is
// known to be ending, then the claim given up, then the process ended with status 0; once.
#include "FakePlatform.h"
#include "FakeProcessTerminator.h"
#include "modHelp.h"

#include <gtest/gtest.h>

namespace {

using kq::testing::FakePlatform;
using kq::testing::FakeProcessTerminator;

TEST(EndProgram, ClosesTheWindowsThenReleasesThenTerminatesWithStatusZero)
{
    FakePlatform fake;
    FakeProcessTerminator terminator;
    QStringList events;
    terminator.onCloseWindows = [&] {
        events << QStringLiteral("close ending=%1 releases=%2")
                      .arg(terminator.isEnding())
                      .arg(fake.instance.releases);
    };

    EXPECT_FALSE(terminator.isEnding());
    modHelp::EndProgram(fake.platform, terminator);

    EXPECT_EQ(events, QStringList {"close ending=1 releases=0"});
    EXPECT_EQ(fake.instance.releases, 1);
    EXPECT_EQ(terminator.exitCodes, QList<int> {0});
    EXPECT_TRUE(terminator.isEnding());
}

// The support window runs EndProgram when it is closed; closed by EndProgram itself, that
// second call does nothing, and neither does a later one.
TEST(EndProgram, RunsOnceEvenWhenAClosedWindowCallsItAgain)
{
    FakePlatform fake;
    FakeProcessTerminator terminator;
    terminator.onCloseWindows = [&] { modHelp::EndProgram(fake.platform, terminator); };

    modHelp::EndProgram(fake.platform, terminator);
    modHelp::EndProgram(fake.platform, terminator);

    EXPECT_EQ(terminator.closeRuns, 1);
    EXPECT_EQ(fake.instance.releases, 1);
    EXPECT_EQ(terminator.exitCodes, QList<int> {0});
}

} // namespace
