// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fuzz target: the settings codec and the update reminder's stored date. The first byte chooses
// the answer to the update question and how the rest is read (one Latin-1 character per byte,
// or UTF-16 code units as a damaged file may hold them); the next two bytes name today (days
// after 1970-01-01); the rest is the raw stored value. Encoding moves every code up by 85 and
// decoding down by 85, each leaving out exactly the characters that would leave 0 to 255 (or
// are not Latin-1) and keeping the others in order; so the codec gives back every Latin-1
// text, less exactly the characters it cannot move (codes above 170); the reminder asks only
// for a stored YYYY-MM-DD date more than 14 days from today, and writes today only when it
// asks or when nothing was stored.
#include "FakePlatform.h"
#include "FuzzSupport.h"
#include "ReminderSetting.h"
#include "modHelp.h"

#include <charconv>
#include <cstring>

namespace {

using namespace std::chrono;
using kq::fuzz::Check;
using kq::testing::FakePlatform;

std::string Written(const year_month_day &date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// The stored text read as the reminder must read it: exactly YYYY-MM-DD in ASCII digits, a
// date that exists, year 1 on.
std::optional<year_month_day> StoredDate(const QString &text)
{
    if (text.size() != 10)
        return std::nullopt;
    std::string ascii;
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        ascii += static_cast<char>(c.unicode());
    }
    if (ascii[4] != '-' || ascii[7] != '-')
        return std::nullopt;
    auto number = [&ascii](std::size_t from, std::size_t count) -> std::optional<unsigned> {
        unsigned value = 0;
        const char *end = ascii.data() + from + count;
        const auto [stop, error] = std::from_chars(ascii.data() + from, end, value);
        if (error != std::errc {} || stop != end || ascii[from] == '+' || ascii[from] == '-')
            return std::nullopt;
        return value;
    };
    const auto y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (!y || !m || !d || *y == 0)
        return std::nullopt;
    const year_month_day date {year {static_cast<int>(*y)}, month {*m}, day {*d}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

// What the codec must give, written out character by character: each code moved by delta, a
// character that is not Latin-1 or whose moved code leaves 0 to 255 left out.
QString Moved(const QString &text, int delta)
{
    QString result;
    for (const QChar c : text) {
        const int moved = c.unicode() + delta;
        if (c.unicode() <= 255 && moved >= 0 && moved <= 255)
            result.append(QChar(static_cast<char16_t>(moved)));
    }
    return result;
}

void CheckCodec(const QString &text, bool latin1)
{
    const QString encoded = modHelp::EncodeSetting(text);
    const QString decoded = modHelp::DecodeSetting(text);
    Check(encoded == Moved(text, 85),
        "encoding moves each code up by 85 and leaves out exactly what leaves 0 to 255",
        kq::fuzz::Hex(text.toStdString()));
    Check(decoded == Moved(text, -85),
        "decoding moves each code down by 85 and leaves out exactly what leaves 0 to 255",
        kq::fuzz::Hex(text.toStdString()));
    for (const QChar c : encoded)
        Check(c.unicode() >= 85 && c.unicode() <= 255, "an encoded code lies in 85 to 255");
    for (const QChar c : decoded)
        Check(c.unicode() <= 170, "a decoded code lies in 0 to 170");

    QString movable; // the characters the codec can move up by 85 and back
    for (const QChar c : text)
        if (c.unicode() <= 170)
            movable.append(c);
    Check(modHelp::DecodeSetting(encoded) == movable,
        "encode then decode gives back the text, less the codes it cannot move");
    if (latin1 && movable.size() == text.size())
        Check(modHelp::DecodeSetting(encoded) == text, "a text of codes 0 to 170 comes back whole");
}

void CheckReminder(const QString &raw, const year_month_day &today, bool answerYes)
{
    FakePlatform fake;
    fake.clock.current = QDateTime(QDate(static_cast<int>(today.year()),
                                       static_cast<int>(static_cast<unsigned>(today.month())),
                                       static_cast<int>(static_cast<unsigned>(today.day()))),
        QTime(9, 30));
    fake.messages.answers.push_back(answerYes ? kq::MessageAnswer::Yes : kq::MessageAnswer::No);
    const QString key = kq::testing::FakeSettingsStore::path(
        fake.platform.applicationName, kq::test::ReminderSection, kq::test::ReminderKey());
    fake.settings.values.insert(key, raw);

    modHelp::RunUpdateReminder(fake.platform);

    const QString stored = modHelp::DecodeSetting(raw);
    const auto date = StoredDate(stored);
    const bool firstRun = stored.isEmpty();
    const bool asks = date && std::abs((sys_days {*date} - sys_days {today}).count()) > 14;
    const std::string where
        = "stored " + kq::fuzz::Hex(stored.toStdString()) + ", today " + Written(today);

    Check(fake.messages.shown.size() == (asks ? 1 : 0),
        "the question comes exactly for a stored date more than 14 days away", where);
    Check(fake.settings.writes == (asks || firstRun ? 1 : 0),
        "today is written exactly on a first run or after the question", where);
    if (asks || firstRun) {
        Check(
            modHelp::DecodeSetting(fake.settings.values.value(key)).toStdString() == Written(today),
            "the date written is today", where);
    } else {
        Check(fake.settings.values.value(key) == raw, "an unread value stays as it was", where);
    }
    Check(fake.browser.opened.size() == (asks && answerYes ? 1 : 0),
        "the download page opens only on Yes", where);

    // Run again the same day: the date just written is today's, so nothing more happens.
    const int writes = fake.settings.writes;
    modHelp::RunUpdateReminder(fake.platform);
    Check(fake.messages.shown.size() == (asks ? 1 : 0) && fake.settings.writes == writes,
        "a second run the same day asks and writes nothing", where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const bool answerYes = data[0] & 1;
    const bool latin1 = !(data[0] & 2);
    std::uint16_t offset = 0;
    std::memcpy(&offset, data + 1, sizeof offset);
    const year_month_day today {sys_days {year {1970} / January / day {1}} + days {offset}};

    QString raw;
    if (latin1) {
        raw = QString::fromLatin1(
            reinterpret_cast<const char *>(data + 3), static_cast<qsizetype>(size - 3));
    } else {
        for (std::size_t i = 3; i + 1 < size; i += 2)
            raw.append(QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8))));
    }
    CheckCodec(raw, latin1);
    CheckReminder(raw, today, answerYes);
    return 0;
}
