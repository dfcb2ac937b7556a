// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The texts shared by the windows.
#include "Texts.h"

#include "modMasterEdit.h"

#include <QCoreApplication>

namespace kq {

QString labelText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) {
            shown.append(caption.at(i));
        } else if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
            shown.append(QLatin1Char('&'));
            ++i;
        }
    }
    return shown;
}

QString publisherSiteForDisplay()
{
    QString site = QString::fromUtf8(
        modMasterEdit::PublisherSite.data(), qsizetype(modMasterEdit::PublisherSite.size()));
    const qsizetype scheme = site.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        site.remove(0, scheme + 3);
    while (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site;
}

QString fullBrandOfferCaption()
{
    return QCoreApplication::translate("kq::Texts",
        "Home Business Opportunity. Start your own Internet business and make "
        "money online. Get this software fully branded for your website. Click "
        "here for more details.");
}

QString coBrandOfferCaption()
{
    // Two spaces after "site." and after "&&", none after "details.".
    return QCoreApplication::translate("kq::Texts",
        "Co-brand this software for your site.  Increase loyalty and traffic to "
        "your site. Put your site's name &&  link here. See \"Help\" for "
        "details.Click Here for more info on co-branding.");
}

QString disclaimerText()
{
    return QCoreApplication::translate("kq::Texts",
        "Although KQ Rurevir Ivideruzi Zuduzire is said to very accurate and "
        "have a high success rate, but the program is solely a bit of fun and "
        "entertainment. Just enjoy it!");
}

QString forumBannerText()
{
    return QCoreApplication::translate("kq::Texts", "Visit our discussion forum at %1")
        .arg(publisherSiteForDisplay());
}

QString homePageInvitationText()
{
    return QCoreApplication::translate("kq::Texts", "Visit us at %1")
        .arg(publisherSiteForDisplay());
}

} // namespace kq
