// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's fonts: "Verdana" where the system has it, else "DejaVu Sans".
#pragma once

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

// The families the program asks for. "Verdana" is named only where the system has it: asked for a
// family it lacks, Qt first searches fontconfig's whole fallback list for it (once per style),
// which costs the first window a noticeable part of its start-up time, and then takes what
// fontconfig substitutes, on Debian "DejaVu Sans" anyway.
inline const QStringList &programFontFamilies()
{
    static const QStringList families
        = QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
        ? QStringList {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}
        : QStringList {QStringLiteral("DejaVu Sans")};
    return families;
}

inline QFont verdana(FontStyle style = {})
{
    QFont font;
    font.setFamilies(programFontFamilies());
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

} // namespace kq
