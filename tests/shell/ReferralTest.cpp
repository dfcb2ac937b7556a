// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the "Refer A Friend" address: whatever the user types, the page script must get
// back exactly the six values, in order, and nothing else. (The fuzz target
// tests/fuzz/FuzzReferral.cpp checks the same for any bytes typed into the five fields.)
#include "Referral.h"
#include "FakePlatform.h"
#include "RowName.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using kq::ReferralRequest;

// The publisher's page script and site folder, written out from the configured site.
const QByteArray PageScript
    = QByteArrayLiteral(KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/ssd.php");
const QString SiteFolder
    = QStringLiteral(KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/");

// A value as the page script can get it: written in UTF-8. A lone surrogate has no UTF-8 form
// and comes back as a replacement character; every other text comes back as it is.
QString asUtf8CarriesIt(const QString &text)
{
    return QString::fromUtf8(text.toUtf8());
}

QString loneSurrogates()
{
    return QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") + QChar(0xDFFF) + QChar(0xDBFF)
        + QChar(0xDC00) + QChar(0xDC00) + QStringLiteral("c");
}

struct HostileCase
{
    const char *name;
    ReferralRequest request;
};

std::vector<HostileCase> hostileCases()
{
    const QString longMessage
        = QStringLiteral("Dear friend, look at this & that = fun. ").repeated(100)
        + QStringLiteral("\r\nBye!");
    return {
        {"Plain", {"Ann", "ann@example.com", "Hello", "Bob", "bob@example.com"}},
        {"AmpersandAndEqualsRewriteNothing",
            {"A&taf6=evil", "a=b@example.com", "x&taf2=y&page=home-page", "B&", "=b@example.com"}},
        {"HashDoesNotCutTheAddress", {"#1", "a#b@example.com", "see #top", "#", "b@x.org#"}},
        {"PercentAndPlusStayLiteral",
            {"100% sure", "a+b@example.com", "%41%%2B+1", "+", "%20@example.com"}},
        {"QuestionMarksAndSlashes", {"?", "a?b@c.d", "why?/no?", "/\\", "b@c.d/?"}},
        {"SpacesInside", {"Ann Lee", "a@b.c", "a  lot   of  spaces", "Bob Lee", "b@c.d"}},
        {"LineBreaks", {"Ann", "a@b.c", "line one\r\nline two\nline three\r", "Bob", "b@c.d"}},
        {"LettersBeyondAscii",
            {QStringLiteral("Zoë Ødegård"), QStringLiteral("zoë@exämple.com"),
                QStringLiteral("你好, ça va? Привет 👶"), QStringLiteral("José"),
                QStringLiteral("josé@example.com")}},
        {"LongMessage", {"Ann", "a@b.c", longMessage, "Bob", "b@c.d"}},
        {"ValuesLongerThanAnyAddressBar",
            {QString(20000, QChar(u'&')), "a@b.c", QStringLiteral("\u00e9=#").repeated(12000),
                "Bob", "b@c.d"}},
        // Broken UTF-16 cannot be written in UTF-8: the address keeps its shape and every
        // other value stays exact.
        {"LoneSurrogates", {loneSurrogates(), "a@b.c", loneSurrogates(), "Bob", "b@c.d"}},
    };
}

class ReferralAddressTest : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(ReferralAddressTest, DecodesToExactlyTheSixValuesInOrder)
{
    const ReferralRequest &request = GetParam().request;
    const QByteArray address = kq::ReferralAddress(request);

    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_FALSE(url.hasFragment());
    // The part before the query never changes.
    EXPECT_EQ(url.adjusted(QUrl::RemoveQuery).toEncoded(), PageScript);
    EXPECT_TRUE(address.startsWith(PageScript + "?page=kqcs-refer-a-friend&taf1="));
    EXPECT_EQ(url.toEncoded(), address); // handed to the browser byte for byte

    const QList<QPair<QString, QString>> expected = {
        {"page", "kqcs-refer-a-friend"},
        {"taf1", asUtf8CarriesIt(request.Name)},
        {"taf2", asUtf8CarriesIt(request.Email)},
        {"taf3", asUtf8CarriesIt(request.Message)},
        {"taf4", asUtf8CarriesIt(request.FriendName)},
        {"taf5", asUtf8CarriesIt(request.FriendEmail)},
        {"taf6", SiteFolder},
    };
    EXPECT_EQ(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
}

TEST_P(ReferralAddressTest, IsPlainAsciiWithoutRawSeparatorsInValues)
{
    const QByteArray address = kq::ReferralAddress(GetParam().request);
    const QByteArray query = address.mid(address.indexOf('?') + 1);
    EXPECT_EQ(query.count('&'), 6);
    EXPECT_EQ(query.count('='), 7);
    for (const char c : address)
        EXPECT_TRUE(c > ' ' && c < 0x7f && c != '#') << "byte " << int(static_cast<uchar>(c));
}

TEST_P(ReferralAddressTest, OpensTheAddressByteForByte)
{
    kq::testing::FakePlatform fake;
    kq::OpenReferral(fake.platform, GetParam().request);
    ASSERT_EQ(fake.browser.opened.size(), 1);
    EXPECT_EQ(fake.browser.opened.first(), kq::ReferralAddress(GetParam().request));
}

INSTANTIATE_TEST_SUITE_P(
    HostileTexts, ReferralAddressTest, ::testing::ValuesIn(hostileCases()), kq::test::RowName());

TEST(ReferralAddress, PlainFormIsSpelledOutInFull)
{
    const QByteArray expected = PageScript
        + "?page=kqcs-refer-a-friend&taf1=Ann%20Lee&taf2=ann%40example.com&taf3=Hi%21"
          "&taf4=Bob&taf5=bob%40example.org&taf6="
        + QUrl::toPercentEncoding(SiteFolder);
    EXPECT_EQ(kq::ReferralAddress({"Ann Lee", "ann@example.com", "Hi!", "Bob", "bob@example.org"}),
        expected);
    EXPECT_TRUE(expected.contains("&taf6=https%3A%2F%2F"));
}

TEST(TrimSpaces, RemovesOnlyLeadingAndTrailingSpaces)
{
    struct Row
    {
        const char *name;
        QString in;
        QString out;
    };
    const Row rows[] = {
        {"empty", "", ""},
        {"only spaces", "    ", ""},
        {"both ends", "  Ann Lee  ", "Ann Lee"},
        {"inner spaces kept", "a  b", "a  b"},
        {"line breaks kept", " \r\nHi\n ", "\r\nHi\n"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(kq::TrimSpaces(row.in), row.out) << row.name;
}

} // namespace
