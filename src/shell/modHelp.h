// Shared procedures of the program: the page openers, the settings codec, the update reminder
// and the end of the run.
#pragma once

#include "Platform.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

namespace modHelp {

// The seven pages of the publisher's site. No other value can be passed to OpenWebPage.
enum class PageKey {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    CoBrand,
    CorvaneSoftwares,
    FullyBranded
};

// The bytes of a text of modMasterEdit, as they stand.
QByteArray Bytes(std::string_view text);
// PageScriptUrl + "?page=" + key: the address of any page of the publisher's page script.
QByteArray PageAddressForKey(std::string_view key);

// The key as it appears in the address ("home-page", ...).
QByteArray PageKeyText(PageKey key);
// PageScriptUrl + "?page=" + key, composed once; the same bytes for every caller.
const QByteArray &PageAddress(PageKey key);

// Opens the page in the user's browser. Shows nothing, reports nothing, changes no state.
void OpenWebPage(kq::Platform &platform, PageKey key);
void OpenHomePage(kq::Platform &platform);
void OpenHelpPage(kq::Platform &platform);
void OpenDownloadPage(kq::Platform &platform);
void OpenDonatePage(kq::Platform &platform);
void OpenSoftwarePage(kq::Platform &platform);
void OpenCoBrandPage(kq::Platform &platform);
void OpenFullyBrandedPage(kq::Platform &platform);

// The settings codec: every character code (Latin-1) moved up by 85 on the way in and down by
// 85 on the way out; a character that would leave 0..255 is dropped. Order is kept.
QString EncodeSetting(const QString &text);
QString DecodeSetting(const QString &text);

// Reminds the user, at most about once a fortnight, that an update may be available, and
// opens the download page on Yes. Keeps the date it last asked in the settings store.
void RunUpdateReminder(kq::Platform &platform);

// Closes every top-level window, releases the single-instance claim and ends the process
// with exit status 0. The hook lets the program (or a test) decide how the process ends.
// The default hook leaves the event loop (QCoreApplication::exit(0), so main() returns 0), or
// ends the process at once when no event loop is running yet. After EndProgram returns, the
// caller does nothing more. A second call while the run is ending does nothing.
void EndProgram(kq::Platform &platform);
// An empty function restores the default hook.
void SetProcessTerminator(std::function<void(int exitCode)> terminate);

// True from the moment EndProgram starts closing the windows. A window's close handler checks
// it: a window closed by EndProgram must not start the exit flow (the support window) again.
bool IsEnding();
// Tests only: forgets that the run is ending, so one test process can end several "runs".
void ResetEndingForTests();

} // namespace modHelp
