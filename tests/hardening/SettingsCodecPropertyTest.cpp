// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The settings codec under random texts: it never produces a code outside 0 to 255, leaves out
// exactly the characters that would leave that range and keeps the order of the others.
#include "Fuzz.h"
#include "modHelp.h"

#include <gtest/gtest.h>

namespace {

using kq::hardening::Fuzz;
using modHelp::DecodeSetting;
using modHelp::EncodeSetting;

// What the codec must give, written out character by character: each code moved by delta,
// a character whose code is not Latin-1 or whose moved code leaves 0..255 left out.
QString Expected(const QString &text, int delta)
{
    QString result;
    for (const QChar c : text) {
        const int moved = c.unicode() + delta;
        if (c.unicode() <= 255 && moved >= 0 && moved <= 255)
            result.append(QChar(static_cast<char16_t>(moved)));
    }
    return result;
}

bool AllCodesBetween(const QString &text, int low, int high)
{
    for (const QChar c : text)
        if (c.unicode() < low || c.unicode() > high)
            return false;
    return true;
}

// Texts of every kind: bytes read as Latin-1, any UTF-16 code units, lengths 0 to 300.
struct Sample
{
    const char *name;
    QString (*make)(Fuzz &, int);
};

const Sample Samples[] = {
    {"Latin1", [](Fuzz &f, int n) { return f.latin1(n); }},
    {"AnyUnits", [](Fuzz &f, int n) { return f.anyUnits(n); }},
    {"Hostile", [](Fuzz &f, int n) { return f.hostileText(n); }},
};

TEST(SettingsCodecProperty, EncodeDropsExactlyWhatLeavesTheRangeAndKeepsOrder)
{
    for (const Sample &sample : Samples) {
        Fuzz fuzz(20240601);
        for (int round = 0; round < 2000; ++round) {
            const QString text = sample.make(fuzz, static_cast<int>(fuzz.below(300)));
            const QString encoded = EncodeSetting(text);
            ASSERT_EQ(encoded, Expected(text, 85)) << sample.name << " round " << round;
            ASSERT_TRUE(AllCodesBetween(encoded, 85, 255)) << sample.name << " round " << round;
        }
    }
}

TEST(SettingsCodecProperty, DecodeDropsExactlyWhatLeavesTheRangeAndKeepsOrder)
{
    for (const Sample &sample : Samples) {
        Fuzz fuzz(7);
        for (int round = 0; round < 2000; ++round) {
            const QString text = sample.make(fuzz, static_cast<int>(fuzz.below(300)));
            const QString decoded = DecodeSetting(text);
            ASSERT_EQ(decoded, Expected(text, -85)) << sample.name << " round " << round;
            ASSERT_TRUE(AllCodesBetween(decoded, 0, 170)) << sample.name << " round " << round;
        }
    }
}

// The round trip (encode then decode gives back every text of codes 0 to 170 whole, and any
// other text less exactly its other codes) is the property of the fuzz target
// tests/fuzz/FuzzSettings.cpp, which CTest also runs over its kept corpus.

TEST(SettingsCodecProperty, VeryLongTextsAndTheEdgesOfTheRange)
{
    Fuzz fuzz(3);
    const QString longText = fuzz.latin1(4 << 20);
    EXPECT_EQ(EncodeSetting(longText), Expected(longText, 85));
    EXPECT_EQ(DecodeSetting(longText), Expected(longText, -85));
    const QString edges = QString(QChar(0)) + QChar(84) + QChar(85) + QChar(170) + QChar(171)
        + QChar(255) + QChar(256) + QChar(0xD800) + QChar(0xFFFF);
    EXPECT_EQ(EncodeSetting(edges),
        QString(QChar(85)) + QChar(169) + QChar(170) + QChar(255)); // 0, 84, 85, 170 stay
    EXPECT_EQ(DecodeSetting(edges), QString(QChar(0)) + QChar(85) + QChar(86) + QChar(170));
}

} // namespace
