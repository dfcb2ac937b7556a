// TEMPORARY: stand-ins for the shared procedures while they are being written on their own
// branch. Delete this file (and its line in CMakeLists.txt) when they are merged in.
#include "modHelp.h"
#include "modMasterEdit.h"

#include <QUrl>

#include <cstdlib>

namespace modHelp {

QByteArray PageKeyText(PageKey key)
{
    using namespace modMasterEdit;
    std::string_view text;
    switch (key) {
    case PageKey::HomePage:
        text = HomePageKey;
        break;
    case PageKey::HelpWebPage:
        text = HelpPageKey;
        break;
    case PageKey::DownloadWebPage:
        text = DownloadPageKey;
        break;
    case PageKey::Donate:
        text = DonatePageKey;
        break;
    case PageKey::CoBrand:
        text = CoBrandPageKey;
        break;
    case PageKey::CorvaneSoftwares:
        text = SoftwarePageKey;
        break;
    case PageKey::FullyBranded:
        text = FullyBrandedPageKey;
        break;
    }
    return QByteArray(text.data(), qsizetype(text.size()));
}

const QByteArray &PageAddress(PageKey key)
{
    static QByteArray addresses[7];
    QByteArray &address = addresses[int(key)];
    address = QByteArray(modMasterEdit::PageScriptUrl.data(),
                  qsizetype(modMasterEdit::PageScriptUrl.size()))
        + "?page=" + PageKeyText(key);
    return address;
}

void OpenWebPage(kq::Platform &platform, PageKey key)
{
    platform.browser.open(QUrl::fromEncoded(PageAddress(key), QUrl::StrictMode));
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

void RunUpdateReminder(kq::Platform &) { }

void EndProgram(kq::Platform &)
{
    std::exit(0);
}

} // namespace modHelp
