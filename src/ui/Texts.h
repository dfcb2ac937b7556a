// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The fixed texts that more than one window shows (the advertising banners and the
// entertainment disclaimer), the texts naming the publisher's site, and the conversion of a
// caption into what a label shows.
#pragma once

#include <QString>

namespace kq {

// What a label shows for a caption: "&&" is a single "&", and a single "&" (which would mark
// an access key) is not shown. Buttons and menu items take captions as they stand, since Qt
// reads "&" the same way there.
QString labelText(const QString &caption);

// The publisher's site as people type it: the build's site without its scheme
// ("www.kq-publisher.example").
QString publisherSiteForDisplay();

// The offer of a fully branded edition (lblFullBrand).
QString fullBrandOfferCaption();
// The offer of a co-branded edition (lblCobrand), as a caption: it holds "&&".
QString coBrandOfferCaption();
// "Although ... Just enjoy it!" under the lists and on the result panel.
QString disclaimerText();
// The top banner (Label61): an invitation to the publisher's discussion forum, naming its site.
QString forumBannerText();
// The about box's invitation to the publisher's site (lblHomePage).
QString homePageInvitationText();

} // namespace kq
