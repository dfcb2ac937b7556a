// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The update reminder reading a stored date it cannot understand: garbage, other date formats,
// dates that do not exist, very long texts, raw values that are no encoding at all. It asks
// nothing, writes nothing and keeps working; only a value that decodes to nothing counts as a
// first run (today is then written, and nothing is asked). Random raw values are the settings
// fuzz target's (tests/fuzz/FuzzSettings.cpp).
#include "FakePlatform.h"
#include "ReminderSetting.h"
#include "RowName.h"
#include "modHelp.h"

#include <gtest/gtest.h>

namespace {

using kq::testing::FakePlatform;

QString StoredKeyPath(const FakePlatform &fake)
{
    return kq::testing::FakeSettingsStore::path(
        fake.platform.applicationName, kq::test::ReminderSection, kq::test::ReminderKey());
}

// Today lies years away from every date the texts below hold, so a text misread as a date
// would bring the question.
void SetToday(FakePlatform &fake)
{
    fake.clock.current = QDateTime(QDate(2031, 7, 15), QTime(9, 30));
}

struct StoredCase
{
    const char *name;
    QString text; // before encoding
};

std::vector<StoredCase> UnreadableTexts()
{
    const QString longText = QStringLiteral("2009-11-01").repeated(100000);
    return {
        {"Garbage", QStringLiteral("#%&/()=?garbage")},
        {"ZeroDate", QStringLiteral("0000-00-00")},
        {"ThirtiethOfFebruary", QStringLiteral("2012-02-30")},
        {"MonthThirteen", QStringLiteral("2009-13-01")},
        {"Exponent", QStringLiteral("+1e9")},
        {"UsFormat", QStringLiteral("11/01/2009")},
        {"EuropeanFormat", QStringLiteral("01.11.2009")},
        {"LongFormat", QStringLiteral("Sunday, November 1, 2009")},
        {"TextMonth", QStringLiteral("1 Nov 2009")},
        {"IsoWithTime", QStringLiteral("2009-11-01T10:00:00")},
        {"IsoWithoutDashes", QStringLiteral("20091101")},
        {"Slashes", QStringLiteral("2009/11/01")},
        {"OneDigitMonth", QStringLiteral("2009-1-01")},
        {"LeadingSpace", QStringLiteral(" 2009-11-01")},
        {"TrailingSpace", QStringLiteral("2009-11-01 ")},
        {"TrailingLineBreak", QStringLiteral("2009-11-01\r\n")},
        {"EmbeddedNul", QStringLiteral("2009-11") + QChar(0) + QStringLiteral("-01")},
        {"DateRepeated", longText},
        {"DateThenMegabyte", QStringLiteral("2009-11-01") + QString(1 << 20, QChar(u'x'))},
        {"Latin1Letters", QStringLiteral("Ÿÿþ 2009-11-01 ñ")},
        {"MinusSignedYear", QStringLiteral("-9120-12-16")}, // Qt reads it as a date
        {"PlusSignedYear", QStringLiteral("+2009-11-01")},
    };
}

class UnreadableStoredText : public ::testing::TestWithParam<StoredCase>
{
};

TEST_P(UnreadableStoredText, NoQuestionNothingWrittenEveryTime)
{
    FakePlatform fake;
    SetToday(fake);
    const QString stored = modHelp::EncodeSetting(GetParam().text);
    fake.settings.values.insert(StoredKeyPath(fake), stored);
    for (int call = 0; call < 3; ++call)
        modHelp::RunUpdateReminder(fake.platform);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(fake.browser.opened.isEmpty());
    EXPECT_EQ(fake.settings.writes, 0);
    EXPECT_EQ(fake.settings.values.value(StoredKeyPath(fake)), stored);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnreadableStoredText, ::testing::ValuesIn(UnreadableTexts()), kq::test::RowName());

// An empty value is the first run: today is written and nothing is asked. A plain (not
// encoded) date, as someone editing the file by hand might write it, decodes to nothing
// (its digits and dashes lie below 85) and is also taken as a first run.
TEST(UnreadableStoredText, EmptyOrPlainValueIsAFirstRun)
{
    for (const QString &raw : {QString(), QStringLiteral("2009-11-01")}) {
        FakePlatform fake;
        SetToday(fake);
        fake.settings.values.insert(StoredKeyPath(fake), raw);
        modHelp::RunUpdateReminder(fake.platform);
        modHelp::RunUpdateReminder(fake.platform);
        EXPECT_TRUE(fake.messages.shown.isEmpty());
        EXPECT_EQ(fake.settings.writes, 1);
        EXPECT_EQ(modHelp::DecodeSetting(fake.settings.values.value(StoredKeyPath(fake))),
            QStringLiteral("2031-07-15"));
    }
}

} // namespace
