// TEMPORARY: stand-ins for the page openers and the end of the run, so that the support window
// links before the real modHelp arrives from the shell work. Delete this file (and its line in
// CMakeLists.txt) when merging the real modHelp.cpp.
#include "modHelp.h"
#include "modMasterEdit.h"

#include <QApplication>
#include <QUrl>
#include <QWidget>

namespace modHelp {

QByteArray PageKeyText(PageKey key)
{
    switch (key) {
    case PageKey::HomePage:
        return "home-page";
    case PageKey::HelpWebPage:
        return "help-web-page";
    case PageKey::DownloadWebPage:
        return "download-web-page";
    case PageKey::Donate:
        return "donate";
    case PageKey::CoBrand:
        return "co-brand";
    case PageKey::CorvaneSoftwares:
        return "corvanesoftwares";
    case PageKey::FullyBranded:
        return "fully-branded";
    }
    return {};
}

const QByteArray &PageAddress(PageKey key)
{
    static QByteArray addresses[7];
    QByteArray &address = addresses[static_cast<int>(key)];
    if (address.isEmpty())
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

void OpenSoftwarePage(kq::Platform &platform)
{
    OpenWebPage(platform, PageKey::CorvaneSoftwares);
}

void EndProgram(kq::Platform &platform)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    platform.instance.release();
    std::exit(0);
}

} // namespace modHelp
