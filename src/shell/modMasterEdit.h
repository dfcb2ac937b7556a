// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Constants only: the product's name and version, the publisher's page script and the keys of
// its pages. The publisher's site comes from the build (KQ_PUBLISHER_SITE).
#pragma once

#include <string_view>

namespace modMasterEdit {

// Filled in by the build from KQ_PUBLISHER_SITE, e.g. "https://www.kq-publisher.example".
extern const std::string_view PublisherSite;
// PublisherSite + "/kq-free-chinese-pregnancy-calendar/"
extern const std::string_view SiteFolderUrl;
inline constexpr std::string_view QuerySeparator = "?";
inline constexpr std::string_view PageParameter = "page=";
// SiteFolderUrl + "ssd.php", the script that serves every page by its key.
extern const std::string_view PageScriptUrl;

inline constexpr std::string_view ProductName = "KQ Rurevir Ivideruzi Zuduzire";
// Filled in by the build from the project's version, e.g. "1.95".
extern const std::string_view ProductVersion;

inline constexpr std::string_view HomePageKey = "home-page";
inline constexpr std::string_view HelpPageKey = "help-web-page";
inline constexpr std::string_view DownloadPageKey = "download-web-page";
inline constexpr std::string_view DonatePageKey = "donate";
inline constexpr std::string_view CoBrandPageKey = "co-brand";
inline constexpr std::string_view SoftwarePageKey = "corvanesoftwares";
inline constexpr std::string_view FullyBrandedPageKey = "fully-branded";
inline constexpr std::string_view ReferAFriendPageKey = "kqcs-refer-a-friend";

} // namespace modMasterEdit
