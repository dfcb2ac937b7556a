// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The update reminder: when it asks, what it writes, and in which order.
#include "FakePlatform.h"
#include "ReminderSetting.h"
#include "RowName.h"
#include "modHelp.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <iterator>

namespace {

using kq::MessageAnswer;
using kq::testing::FakePlatform;

const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QByteArray DownloadPage = QByteArrayLiteral(
    KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/ssd.php?page=download-web-page");

QString StoredText(FakePlatform &fake)
{
    return modHelp::DecodeSetting(fake.settings.read(
        fake.platform.applicationName, kq::test::ReminderSection, kq::test::ReminderKey()));
}

void Store(FakePlatform &fake, const QString &text)
{
    fake.settings.values.insert(kq::testing::FakeSettingsStore::path(fake.platform.applicationName,
                                    kq::test::ReminderSection, kq::test::ReminderKey()),
        modHelp::EncodeSetting(text));
}

QString Iso(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

TEST(UpdateReminder, FirstRunWritesTodayAndAsksNothing)
{
    FakePlatform fake;
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(StoredText(fake), QStringLiteral("2009-12-01"));
    EXPECT_EQ(fake.settings.writes, 1);
    EXPECT_TRUE(fake.browser.opened.isEmpty());
}

TEST(UpdateReminder, NeitherKeyNorDateIsStoredPlain)
{
    FakePlatform fake;
    modHelp::RunUpdateReminder(fake.platform);
    ASSERT_EQ(fake.settings.values.size(), 1);
    const QString where = fake.settings.values.firstKey();
    EXPECT_EQ(where, QStringLiteral("kq-pregnancy-calendar/Settings/") + kq::test::ReminderKey());
    // "2009-12-01" with each code moved up by 85.
    static constexpr char16_t date[] = {135, 133, 133, 142, 130, 134, 135, 130, 133, 134};
    EXPECT_EQ(fake.settings.values.first(),
        QString(reinterpret_cast<const QChar *>(date), static_cast<qsizetype>(std::size(date))));
}

struct DistanceRow
{
    const char *name;
    int storedDaysFromToday;
    bool asks;
};

class ReminderDistance : public ::testing::TestWithParam<DistanceRow>
{
};

TEST_P(ReminderDistance, AsksOnlyFifteenOrMoreDaysAwayInEitherDirection)
{
    FakePlatform fake;
    const QDate today = fake.clock.current.date();
    const QString stored = Iso(today.addDays(GetParam().storedDaysFromToday));
    Store(fake, stored);

    modHelp::RunUpdateReminder(fake.platform);

    if (GetParam().asks) {
        ASSERT_EQ(fake.messages.shown.size(), 1);
        const kq::testing::ShownMessage &shown = fake.messages.shown.first();
        EXPECT_EQ(shown.text, Question);
        EXPECT_EQ(shown.icon, kq::MessageIcon::Information);
        EXPECT_EQ(shown.buttons, kq::MessageButtons::YesNo);
        EXPECT_TRUE(shown.title.isEmpty()); // the application's title
        EXPECT_EQ(StoredText(fake), Iso(today));
        EXPECT_TRUE(fake.browser.opened.isEmpty()); // the fake answered No
    } else {
        EXPECT_TRUE(fake.messages.shown.isEmpty());
        EXPECT_EQ(fake.settings.writes, 0);
        EXPECT_EQ(StoredText(fake), stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Distances, ReminderDistance,
    ::testing::Values(DistanceRow {"Today", 0, false},
        DistanceRow {"FourteenDaysBefore", -14, false},
        DistanceRow {"FifteenDaysBefore", -15, true}, DistanceRow {"FourteenDaysAfter", 14, false},
        DistanceRow {"FifteenDaysAfter", 15, true}, DistanceRow {"YearsBefore", -3000, true},
        DistanceRow {"YearsAfter", 3000, true}),
    kq::test::RowName());

TEST(UpdateReminder, YesWritesTodayThenOpensTheDownloadPage)
{
    FakePlatform fake;
    Store(fake, QStringLiteral("2009-11-01"));
    fake.messages.answers = {MessageAnswer::Yes};
    QStringList order;
    fake.messages.onShow
        = [&](const auto &) { order << QStringLiteral("ask:") + StoredText(fake); };
    fake.browser.onOpen
        = [&](const QByteArray &) { order << QStringLiteral("open:") + StoredText(fake); };

    modHelp::RunUpdateReminder(fake.platform);

    EXPECT_EQ(order, (QStringList {"ask:2009-11-01", "open:2009-12-01"}));
    EXPECT_EQ(fake.browser.opened, QList<QByteArray> {DownloadPage});
    EXPECT_EQ(fake.settings.writes, 1);
}

TEST(UpdateReminder, NoWritesTodayAndOpensNothing)
{
    FakePlatform fake;
    Store(fake, QStringLiteral("2009-11-01"));
    fake.messages.answers = {MessageAnswer::No};
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(StoredText(fake), QStringLiteral("2009-12-01"));
    EXPECT_TRUE(fake.browser.opened.isEmpty());

    // The next question comes fifteen days later at the earliest.
    fake.clock.current = fake.clock.current.addDays(14);
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    fake.clock.current = fake.clock.current.addDays(1);
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_EQ(fake.messages.shown.size(), 2);
}

TEST(UpdateReminder, TwoCallsInARowAskAtMostOnce)
{
    FakePlatform fake;
    Store(fake, QStringLiteral("2009-10-01"));
    fake.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    modHelp::RunUpdateReminder(fake.platform);
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.browser.opened.size(), 1);
}

TEST(UpdateReminder, FirstRunThenSecondCallStaysSilent)
{
    FakePlatform fake;
    modHelp::RunUpdateReminder(fake.platform);
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fake.settings.writes, 1);
}

// The distance is counted in calendar days: a daylight-saving change (Berlin, 29 March and 25
// October 2009) that makes fifteen days one hour short, or fourteen days one hour long, must not
// move the boundary.
TEST(UpdateReminder, DaylightSavingChangeDoesNotMoveTheBoundary)
{
    const QTimeZone berlin("Europe/Berlin");
    if (!berlin.isValid())
        GTEST_SKIP() << "no time zone data";

    FakePlatform springForward;
    springForward.clock.current = QDateTime(QDate(2009, 3, 30), QTime(0, 30), berlin);
    Store(springForward, QStringLiteral("2009-03-15")); // 15 days, 359.5 hours
    modHelp::RunUpdateReminder(springForward.platform);
    EXPECT_EQ(springForward.messages.shown.size(), 1);

    FakePlatform fallBack;
    fallBack.clock.current = QDateTime(QDate(2009, 10, 25), QTime(23, 30), berlin);
    Store(fallBack, QStringLiteral("2009-10-11")); // 14 days, 360.5 hours
    modHelp::RunUpdateReminder(fallBack.platform);
    EXPECT_TRUE(fallBack.messages.shown.isEmpty());
    EXPECT_EQ(fallBack.settings.writes, 0);
}

TEST(UpdateReminder, UsesTheApplicationNameOfTheBundle)
{
    FakePlatform fake;
    Store(fake, QStringLiteral("2009-01-01")); // stored under "kq-pregnancy-calendar"
    fake.platform.applicationName = QStringLiteral("renamed-copy");
    modHelp::RunUpdateReminder(fake.platform);
    EXPECT_TRUE(fake.messages.shown.isEmpty()); // a fresh set of settings: first run
    EXPECT_TRUE(fake.settings.values.contains(
        QStringLiteral("renamed-copy/Settings/") + kq::test::ReminderKey()));
}

} // namespace
