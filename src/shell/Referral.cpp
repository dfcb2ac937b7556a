// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The "Refer A Friend" address and its opener.
#include "Referral.h"

#include "modHelp.h"
#include "modMasterEdit.h"

#include <QUrl>

namespace kq {

namespace {

// One "&name=value" pair. The values come from the user and may hold "&", "=", "#", "+",
// "%", spaces, line breaks or any letter: inserted as typed they would cut or rewrite the
// address, so each is encoded as a query component.
void appendParameter(QByteArray &address, const char *name, const QString &value)
{
    address += '&';
    address += name;
    address += '=';
    address += QUrl::toPercentEncoding(value);
}

} // namespace

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QByteArray ReferralAddress(const ReferralRequest &request)
{
    QByteArray address = modHelp::PageAddressForKey(modMasterEdit::ReferAFriendPageKey);
    appendParameter(address, "taf1", request.Name);
    appendParameter(address, "taf2", request.Email);
    appendParameter(address, "taf3", request.Message);
    appendParameter(address, "taf4", request.FriendName);
    appendParameter(address, "taf5", request.FriendEmail);
    appendParameter(
        address, "taf6", QString::fromUtf8(modHelp::Bytes(modMasterEdit::SiteFolderUrl)));
    return address;
}

void OpenReferral(Platform &platform, const ReferralRequest &request)
{
    platform.browser.open(QUrl::fromEncoded(ReferralAddress(request), QUrl::StrictMode));
}

} // namespace kq
