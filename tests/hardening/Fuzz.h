// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A small deterministic source of hostile input for the property and fuzz tests: the same seed
// gives the same texts on every machine (the numbers are taken straight from the engine, with
// no library distribution in between).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <random>
#include <string>

namespace kq::hardening {

class Fuzz
{
public:
    explicit Fuzz(std::uint32_t seed)
        : engine(seed)
    { }

    // 0 <= value < bound
    std::uint32_t below(std::uint32_t bound) { return bound == 0 ? 0 : engine() % bound; }
    bool chance(std::uint32_t percent) { return below(100) < percent; }

    // Latin-1 characters 0 to 255, every code equally likely.
    QString latin1(int length)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QChar(static_cast<char16_t>(below(256))));
        return text;
    }

    // Any UTF-16 code units, including lone surrogates and noncharacters.
    QString anyUnits(int length)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QChar(static_cast<char16_t>(below(0x10000))));
        return text;
    }

    // Valid Unicode text that leans on what breaks addresses and files: ASCII punctuation,
    // control characters, CR and LF, NUL, letters beyond ASCII and characters outside the
    // basic plane (surrogate pairs).
    QString hostileText(int length)
    {
        static const QString punctuation = QStringLiteral(" !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
        static const QString beyondAscii
            = QStringLiteral("éØçñß€你好Привет\u00a0\u2028\u200b\ufeff");
        QString text;
        while (text.size() < length) {
            switch (below(7)) {
            case 0:
                text.append(punctuation.at(below(punctuation.size())));
                break;
            case 1:
                text.append(QChar(static_cast<char16_t>(below(0x20)))); // controls, NUL included
                break;
            case 2:
                text.append(chance(50) ? QStringLiteral("\r\n") : QStringLiteral("\n"));
                break;
            case 3:
                text.append(beyondAscii.at(below(beyondAscii.size())));
                break;
            case 4: {
                static constexpr char32_t outsideBasicPlane[] = {0x1F476, 0x1F600, 0x10348};
                text.append(QString::fromUcs4(&outsideBasicPlane[below(3)], 1));
                break;
            }
            case 5:
                text.append(QChar(0x7f));
                break;
            default:
                text.append(QChar(static_cast<char16_t>('a' + below(26))));
                break;
            }
        }
        return text;
    }

    // Raw bytes 0 to 255.
    std::string bytes(int length, bool withLineBreaks)
    {
        std::string text;
        for (int i = 0; i < length; ++i) {
            char c = static_cast<char>(below(256));
            if (!withLineBreaks && c == '\n')
                c = '\0';
            text += c;
        }
        return text;
    }

private:
    std::mt19937 engine;
};

} // namespace kq::hardening
