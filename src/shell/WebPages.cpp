// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The publisher's pages: their addresses on the page script and the openers that show them
// in the user's browser.
#include "modHelp.h"

#include "modMasterEdit.h"

#include <QUrl>

#include <array>
#include <optional>

namespace modHelp {

namespace {

// The key of each page, in the order of PageKey.
constexpr std::array<std::string_view, 7> PageKeys {modMasterEdit::HomePageKey,
    modMasterEdit::HelpPageKey, modMasterEdit::DownloadPageKey, modMasterEdit::DonatePageKey,
    modMasterEdit::CoBrandPageKey, modMasterEdit::SoftwarePageKey,
    modMasterEdit::FullyBrandedPageKey};
static_assert(static_cast<std::size_t>(PageKey::FullyBranded) + 1 == PageKeys.size());

// Index of a key in the table, or no value for a value cast from outside the seven keys.
std::optional<std::size_t> IndexOf(PageKey key)
{
    const auto index = static_cast<std::size_t>(key); // a negative value wraps past the end
    if (index >= PageKeys.size())
        return std::nullopt;
    return index;
}

// The seven addresses, composed once on first use from the constants of modMasterEdit. Each
// is made from the exact bytes (strict mode), so nothing is re-encoded on the way out.
const std::array<QUrl, PageKeys.size()> &Pages()
{
    static const std::array<QUrl, PageKeys.size()> table = [] {
        std::array<QUrl, PageKeys.size()> urls;
        for (std::size_t i = 0; i < PageKeys.size(); ++i)
            urls[i] = QUrl::fromEncoded(PageAddressForKey(PageKeys[i]), QUrl::StrictMode);
        return urls;
    }();
    return table;
}

} // namespace

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray PageAddressForKey(std::string_view key)
{
    return Bytes(modMasterEdit::PageScriptUrl) + Bytes(modMasterEdit::QuerySeparator)
        + Bytes(modMasterEdit::PageParameter) + Bytes(key);
}

void OpenWebPage(kq::Platform &platform, PageKey key)
{
    const auto index = IndexOf(key);
    if (!index)
        return;
    platform.browser.open(Pages()[*index]);
}

void OpenHomePage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::HomePage);
}

void OpenHelpPage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::HelpWebPage);
}

void OpenDownloadPage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::DownloadWebPage);
}

void OpenDonatePage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::Donate);
}

void OpenSoftwarePage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::CorvaneSoftwares);
}

void OpenCoBrandPage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::CoBrand);
}

void OpenFullyBrandedPage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::FullyBranded);
}

} // namespace modHelp
