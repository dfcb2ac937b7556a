// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's fonts: "Verdana" where the system has it, else "DejaVu Sans"; in Chinese then
// "Noto Sans CJK" in the script of the language, for the characters the first ones lack.
#pragma once

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace kq {

struct FontStyle
{
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The Chinese characters the windows are written in, if any.
enum class ChineseScript { None, Simplified, Traditional };

inline ChineseScript &chineseFontScript()
{
    static ChineseScript script = ChineseScript::None;
    return script;
}

// Whether a text holds Chinese characters (or full-width punctuation).
inline bool hasChineseCharacters(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x2E80 && c.unicode() <= 0xFFEF && !c.isSurrogate())
            return true;
    return false;
}

// The CJK face of a script; empty for None.
inline QString chineseFontFamily(ChineseScript script)
{
    switch (script) {
    case ChineseScript::Simplified:
        return QStringLiteral("Noto Sans CJK SC");
    case ChineseScript::Traditional:
        return QStringLiteral("Noto Sans CJK TC");
    case ChineseScript::None:
        break;
    }
    return {};
}

// Set once the language is known, before the first window is made. Qt's own windows (the
// message boxes, the menus) then find the Chinese characters in the same face.
inline void UseChineseFontsFor(ChineseScript script)
{
    static const QFont desktopFont = QApplication::font();
    chineseFontScript() = script;
    QFont font = desktopFont;
    if (script != ChineseScript::None)
        font.setFamilies({desktopFont.family(), chineseFontFamily(script)});
    QApplication::setFont(font);
}

// The Latin families the program asks for. "Verdana" is named only where the system has it: asked
// for a family it lacks, Qt first searches fontconfig's whole fallback list for it (once per
// style), which costs the first window a noticeable part of its start-up time, and then takes what
// fontconfig substitutes, on Debian "DejaVu Sans" anyway.
inline const QStringList &latinFontFamilies()
{
    static const QStringList families
        = QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
        ? QStringList {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}
        : QStringList {QStringLiteral("DejaVu Sans")};
    return families;
}

// The families the program asks for: the Latin ones, then, in Chinese, the CJK face of the
// language's script (its Latin letters are never reached, so digits and addresses look as
// they do in English).
inline QStringList programFontFamilies()
{
    if (chineseFontScript() == ChineseScript::None)
        return latinFontFamilies();
    return latinFontFamilies() + QStringList {chineseFontFamily(chineseFontScript())};
}

inline QFont verdana(FontStyle style = {})
{
    QFont font;
    font.setFamilies(programFontFamilies());
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    // Chinese characters have no italic: a slanted copy of them reads badly, so they stand
    // upright where the English is italic.
    font.setItalic(style.italic && chineseFontScript() == ChineseScript::None);
    font.setUnderline(style.underline);
    return font;
}

} // namespace kq
