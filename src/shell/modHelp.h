// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Shared procedures of the program: the page openers (WebPages.cpp), the settings codec and the
// update reminder (UpdateReminder.cpp), and the end of the run (EndProgram.cpp).
#pragma once

#include "Platform.h"
#include "ProcessTerminator.h"

#include <QByteArray>
#include <QString>

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

// Ends the run: the terminator closes every window of the program (each of them can see that
// the run is ending), the single-instance claim is released, and the terminator ends the
// process with exit status 0. After EndProgram returns, the caller does nothing more. A second
// call while the run is ending does nothing.
void EndProgram(kq::Platform &platform, kq::ProcessTerminator &terminator);

} // namespace modHelp
