// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fuzz target: the "Refer A Friend" address. The input is five values of arbitrary bytes
// (read as UTF-8, invalid sequences included), split as FuzzSupport's SplitValues says. The
// form trims each value of its outer spaces; the built address must parse, keep its encoding
// byte for byte, and its query must decode (by Qt's QUrlQuery, not by the code that built
// it) to exactly the seven parameters in order, with the trimmed values.
#include "FuzzSupport.h"
#include "Referral.h"
#include "modMasterEdit.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

namespace {

using kq::fuzz::Check;

// UTF-8 to text, a byte order mark at the start kept as the character it is, an incomplete
// sequence at the end replaced (not held back for more bytes).
QString FromUtf8(const std::string &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// The value as the form hands it on: outer spaces (character 32) removed. Trimmed here on the
// bytes, before decoding, independently of the form's own trimming of the text.
QString Expected(const std::string &bytes)
{
    const std::size_t first = bytes.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = bytes.find_last_not_of(' ');
    return FromUtf8(bytes.substr(first, last - first + 1));
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> values = kq::fuzz::SplitValues(data, size, 5);
    const kq::ReferralRequest request {kq::TrimSpaces(FromUtf8(values[0])),
        kq::TrimSpaces(FromUtf8(values[1])), kq::TrimSpaces(FromUtf8(values[2])),
        kq::TrimSpaces(FromUtf8(values[3])), kq::TrimSpaces(FromUtf8(values[4]))};
    const QByteArray address = kq::ReferralAddress(request);
    const std::string where = address.toStdString();

    // Plain printable ASCII without a fragment: nothing a browser or a shell could cut.
    for (const char c : address)
        Check(c > ' ' && c < 0x7f && c != '#', "the address is printable ASCII without '#'", where);
    const QByteArray pageScript(modMasterEdit::PageScriptUrl.data(),
        static_cast<qsizetype>(modMasterEdit::PageScriptUrl.size()));
    Check(address.startsWith(pageScript + '?') && address.count('?') == 1,
        "the address is the page script and one query", where);

    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    Check(url.isValid(), "the address parses", where + " " + url.errorString().toStdString());
    Check(url.toEncoded() == address, "the address is handed on byte for byte", where);
    Check(!url.hasFragment(), "the address has no fragment", where);

    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("page"), Text(modMasterEdit::ReferAFriendPageKey)},
        {QStringLiteral("taf1"), Expected(values[0])},
        {QStringLiteral("taf2"), Expected(values[1])},
        {QStringLiteral("taf3"), Expected(values[2])},
        {QStringLiteral("taf4"), Expected(values[3])},
        {QStringLiteral("taf5"), Expected(values[4])},
        {QStringLiteral("taf6"), Text(modMasterEdit::SiteFolderUrl)},
    };
    // Split by QUrlQuery, each part percent-decoded to its UTF-8 bytes. (Qt's fully decoded
    // form would turn a noncharacter such as U+FFFF, correctly sent as %EF%BF%BF, into
    // replacement characters, so the texts are compared as the bytes the page script gets.)
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
    bool same = items.size() == expected.size();
    for (qsizetype i = 0; same && i < items.size(); ++i) {
        same = QByteArray::fromPercentEncoding(items[i].first.toLatin1())
                == expected[i].first.toUtf8()
            && QByteArray::fromPercentEncoding(items[i].second.toLatin1())
                == expected[i].second.toUtf8();
    }
    Check(same, "the query decodes to exactly the seven parameters in order", where);
    return 0;
}
