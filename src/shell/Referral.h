// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The "Refer A Friend" address: the five values of the support window's form handed to the
// publisher's page script as one web address, and the call that opens it in the browser.
#pragma once

#include "Platform.h"

#include <QByteArray>
#include <QString>

namespace kq {

// The five values taken from the form when "Refer A Friend &Now" is pressed, each already
// trimmed of leading and trailing spaces (TrimSpaces).
struct ReferralRequest
{
    QString Name;
    QString Email;
    QString Message;
    QString FriendName;
    QString FriendEmail;
};

// The text with its leading and trailing spaces (character 32 only) removed; line breaks and
// tabs are part of the text and stay.
QString TrimSpaces(const QString &text);

// PageScriptUrl + "?page=kqcs-refer-a-friend&taf1=<Name>&taf2=<Email>&taf3=<Message>
// &taf4=<FriendName>&taf5=<FriendEmail>&taf6=<site folder address>".
// Every value is percent-encoded as a query component (UTF-8, everything outside the
// unreserved characters of RFC 3986 encoded), so that the page script, which decodes its
// parameters, receives exactly the texts the user typed, whatever characters they hold.
QByteArray ReferralAddress(const ReferralRequest &request);

// Opens ReferralAddress(request) in the user's browser, keeping its encoding byte for byte.
void OpenReferral(Platform &platform, const ReferralRequest &request);

} // namespace kq
