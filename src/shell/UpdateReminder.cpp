// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The update reminder and the codec of the value it keeps in the per-user settings store.
#include "modHelp.h"

#include <QCoreApplication>
#include <QDate>

namespace modHelp {

namespace {

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

} // namespace

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

    const kq::MessageAnswer answer = platform.messages.show(
        QCoreApplication::translate("modHelp", "There maybe an update to this software available")
            + QChar(u'\r')
            + QCoreApplication::translate("modHelp", "Do you want to check for an update?"),
        kq::MessageIcon::Information, kq::MessageButtons::YesNo);

    // Whatever the answer, the date is written before the page opens.
    WriteToday(platform);
    if (answer == kq::MessageAnswer::Yes)
        OpenDownloadPage(platform);
}

} // namespace modHelp
