// Shared procedures of the program: the page openers, the settings codec, the update reminder
// and the end of the run.
#include "modHelp.h"

#include "modMasterEdit.h"

#include <QApplication>
#include <QDate>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

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

std::string_view KeyView(PageKey key)
{
    const auto index = IndexOf(key);
    return index ? PageKeys[*index] : std::string_view {}; // no page for a stray value
}

struct PageTable
{
    std::array<QByteArray, PageKeys.size()> addresses;
    std::array<QUrl, PageKeys.size()> urls;
};

// The seven addresses, composed once on first use from the constants of modMasterEdit. The
// QUrl is made from the exact bytes (strict mode), so nothing is re-encoded on the way out.
const PageTable &Pages()
{
    static const PageTable table = [] {
        PageTable t;
        for (std::size_t i = 0; i < PageKeys.size(); ++i) {
            t.addresses[i] = PageAddressForKey(PageKeys[i]);
            t.urls[i] = QUrl::fromEncoded(t.addresses[i], QUrl::StrictMode);
        }
        return t;
    }();
    return table;
}

const QString &SettingsSection()
{
    static const QString section = QStringLiteral("Settings");
    return section;
}

const QString &DurationKey()
{
    static const QString key = EncodeSetting(QStringLiteral("Duration"));
    return key;
}

// The stored date uses one locale-independent form at writing and at reading, so a change of
// the user's date format can never make it unreadable.
const QString &StoredDateFormat()
{
    static const QString format = QStringLiteral("yyyy-MM-dd");
    return format;
}

void WriteToday(kq::Platform &platform)
{
    const QString today = platform.clock.now().date().toString(StoredDateFormat());
    platform.settings.write(
        platform.applicationName, SettingsSection(), DurationKey(), EncodeSetting(today));
}

// Moves every character code by delta; a code that is not Latin-1 to begin with, or that would
// leave 0..255, is dropped. Order is kept.
QString ShiftCodes(const QString &text, int delta)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode();
        if (code > 255)
            continue;
        const int moved = code + delta;
        if (moved < 0 || moved > 255)
            continue;
        result.append(QChar(moved));
    }
    return result;
}

bool ending = false;

void DefaultTerminator(int exitCode)
{
    // With the event loop running, leaving it lets main() return exitCode and the toolkit
    // shut down in order. Before the loop has started (the "already running" message at
    // start-up) there is no loop to leave, so the process ends here.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(exitCode);
        return;
    }
    std::fflush(nullptr);
    std::exit(exitCode);
}

std::function<void(int)> &Terminator()
{
    static std::function<void(int)> terminate = DefaultTerminator;
    return terminate;
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

QByteArray PageKeyText(PageKey key)
{
    return Bytes(KeyView(key));
}

const QByteArray &PageAddress(PageKey key)
{
    static const QByteArray none;
    const auto index = IndexOf(key);
    return index ? Pages().addresses[*index] : none;
}

void OpenWebPage(kq::Platform &platform, PageKey key)
{
    const auto index = IndexOf(key);
    if (!index)
        return;
    platform.browser.open(Pages().urls[*index]);
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

QString EncodeSetting(const QString &text)
{
    return ShiftCodes(text, 85);
}

QString DecodeSetting(const QString &text)
{
    return ShiftCodes(text, -85);
}

void RunUpdateReminder(kq::Platform &platform)
{
    const QString stored = DecodeSetting(
        platform.settings.read(platform.applicationName, SettingsSection(), DurationKey()));

    // First run: remember today and ask nothing.
    if (stored.isEmpty()) {
        WriteToday(platform);
        return;
    }

    // Unreadable text: no question, nothing written, as long as it stays unreadable. Qt's
    // reading of "yyyy" also takes a year with a minus sign ("-9120-12-16"), which is not the
    // form the reminder writes and counts as unreadable too.
    const QDate last = QDate::fromString(stored, StoredDateFormat());
    if (!last.isValid() || last.year() < 1)
        return;

    // Whole calendar days from today to the stored date (negative when it lies in the past),
    // so a daylight-saving change cannot move the boundary.
    const qint64 distance = platform.clock.now().date().daysTo(last);
    if (distance >= -14 && distance <= 14)
        return;

    const kq::MessageAnswer answer
        = platform.messages.show(QStringLiteral("There maybe an update to this software available")
                + QChar(u'\r') + QStringLiteral("Do you want to check for an update?"),
            kq::MessageIcon::Information, kq::MessageButtons::YesNo);

    // Whatever the answer, the date is written before the page opens.
    WriteToday(platform);
    if (answer == kq::MessageAnswer::Yes)
        OpenDownloadPage(platform);
}

bool IsEnding()
{
    return ending;
}

void ResetEndingForTests()
{
    ending = false;
}

void EndProgram(kq::Platform &platform)
{
    // A window closed below may call EndProgram again from its close handler: the run is
    // already ending, so that call does nothing.
    if (ending)
        return;
    ending = true;

    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows.append(w);
        for (const QPointer<QWidget> &w : std::as_const(windows)) {
            // A window deleted by an earlier close, or one that refuses, is passed over.
            if (w)
                w->close();
        }
    }

    platform.instance.release();
    const std::function<void(int)> terminate = Terminator();
    if (terminate)
        terminate(0);
}

void SetProcessTerminator(std::function<void(int exitCode)> terminate)
{
    Terminator() = terminate ? std::move(terminate) : DefaultTerminator;
}

} // namespace modHelp
