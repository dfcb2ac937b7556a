// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The "Refer A Friend" address under random texts in all five fields: the address always
// parses, the part before the query is always the page script, and the query always decodes to
// exactly the page key and the six values, in order.
#include "Fuzz.h"
#include "Referral.h"
#include "modMasterEdit.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using kq::hardening::Fuzz;

QByteArray Utf8(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// One field's text: empty, short, or very long, of hostile characters or plain letters.
QString Field(Fuzz &fuzz)
{
    switch (fuzz.below(6)) {
    case 0:
        return {};
    case 1:
        return fuzz.hostileText(20000 + static_cast<int>(fuzz.below(20000)));
    case 2:
        return QStringLiteral("&taf1=x&page=home-page#top?");
    default:
        return fuzz.hostileText(static_cast<int>(fuzz.below(60)));
    }
}

// UTF-8 to text, keeping a byte order mark at the start as the character it is (a value may
// begin with U+FEFF; QString::fromUtf8 would drop it).
QString FromUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// The query split by hand at "&" and "=" and percent-decoded as UTF-8, independently of how
// the address was built.
QList<QPair<QString, QString>> DecodedPairs(const QByteArray &query)
{
    QList<QPair<QString, QString>> pairs;
    for (const QByteArray &item : query.split('&')) {
        const qsizetype equals = item.indexOf('=');
        if (equals < 0) {
            pairs.append({FromUtf8(item), QStringLiteral("<no =>")});
            continue;
        }
        pairs.append({FromUtf8(QByteArray::fromPercentEncoding(item.left(equals))),
            FromUtf8(QByteArray::fromPercentEncoding(item.mid(equals + 1)))});
    }
    return pairs;
}

TEST(ReferralProperty, AnyFiveTextsDecodeToExactlyTheExpectedPairsInOrder)
{
    const QByteArray pageScript = Utf8(modMasterEdit::PageScriptUrl);
    const QString siteFolder = QString::fromUtf8(Utf8(modMasterEdit::SiteFolderUrl));
    Fuzz fuzz(1955);
    for (int round = 0; round < 400; ++round) {
        const kq::ReferralRequest request {
            Field(fuzz), Field(fuzz), Field(fuzz), Field(fuzz), Field(fuzz)};
        const QByteArray address = kq::ReferralAddress(request);
        SCOPED_TRACE(::testing::Message() << "round " << round);

        // Plain printable ASCII: nothing the browser or the shell could cut or re-read.
        for (const char c : address)
            ASSERT_TRUE(c > ' ' && c < 0x7f && c != '#') << "byte " << int(uchar(c));

        const qsizetype question = address.indexOf('?');
        ASSERT_EQ(address.left(question), pageScript);
        ASSERT_EQ(address.count('?'), 1);

        const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
        ASSERT_FALSE(url.hasFragment());
        ASSERT_EQ(url.adjusted(QUrl::RemoveQuery).toEncoded(), pageScript);
        ASSERT_EQ(url.toEncoded(), address); // handed to the browser byte for byte

        const QList<QPair<QString, QString>> expected = {
            {"page", "kqcs-refer-a-friend"},
            {"taf1", request.Name},
            {"taf2", request.Email},
            {"taf3", request.Message},
            {"taf4", request.FriendName},
            {"taf5", request.FriendEmail},
            {"taf6", siteFolder},
        };
        ASSERT_EQ(DecodedPairs(address.mid(question + 1)), expected);
        ASSERT_EQ(QUrlQuery(url).queryItems(QUrl::FullyDecoded), expected);
    }
}

// Lone surrogates cannot be written in UTF-8: they may come back as replacement characters,
// but the address keeps its shape and every other value stays exact.
TEST(ReferralProperty, BrokenUtf16KeepsTheShapeOfTheAddress)
{
    Fuzz fuzz(404);
    for (int round = 0; round < 200; ++round) {
        const kq::ReferralRequest request {fuzz.anyUnits(50), QStringLiteral("a@b.c"),
            fuzz.anyUnits(500), QStringLiteral("Bob"), QStringLiteral("b@c.d")};
        const QByteArray address = kq::ReferralAddress(request);
        const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << "round " << round;
        const auto pairs = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        ASSERT_EQ(pairs.size(), 7) << "round " << round;
        EXPECT_EQ(pairs[2].second, request.Email);
        EXPECT_EQ(pairs[4].second, request.FriendName);
        EXPECT_EQ(pairs[5].second, request.FriendEmail);
    }
}

} // namespace
