// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The program's look: its colours, its fonts, and the colours of each kind of control.
#include "Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace kq {

namespace {

// What the look keeps for the run: the language's Chinese face, and the palettes shared by
// the controls of every window.
struct LookState
{
    const Language *language = &English;
    QString chineseFamily;
    std::vector<QPalette> sharedPalettes;
};

LookState &state()
{
    static LookState look;
    return look;
}

constexpr std::size_t MaxSharedPalettes = 16;
const char *const KindProperty = "kqControlKind";

bool hasFamily(const QStringList &installed, std::string_view family)
{
    return installed.contains(
        QString::fromLatin1(family.data(), qsizetype(family.size())), Qt::CaseInsensitive);
}

// The Latin families the program asks for. "Verdana" is named only where the system has it:
// asked for a family it lacks, Qt first searches fontconfig's whole fallback list for it (once
// per style), which costs the first window a noticeable part of its start-up time, and then
// takes what fontconfig substitutes, on Debian "DejaVu Sans" anyway.
const QStringList &latinFontFamilies()
{
    static const QStringList families = hasFamily(QFontDatabase::families(), "Verdana")
        ? QStringList {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}
        : QStringList {QStringLiteral("DejaVu Sans")};
    return families;
}

// The first of a language's Chinese faces that the system has; the first named where it has
// none (fontconfig then substitutes what it can).
QString chineseFamilyOf(const Language &language)
{
    const auto &families = language.chineseFamilies;
    if (families.front().empty())
        return {};
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(families.cbegin(), families.cend(),
        [&installed](std::string_view family) { return hasFamily(installed, family); });
    const std::string_view family
        = found != families.cend() && !found->empty() ? *found : families.front();
    return QString::fromLatin1(family.data(), qsizetype(family.size()));
}

} // namespace

void UseLanguage(const Language &language)
{
    static const QFont desktopFont = QApplication::font();
    LookState &look = state();
    const bool hadChineseFace = !look.chineseFamily.isEmpty();
    look.language = &language;
    look.chineseFamily = chineseFamilyOf(language);
    // The application's font is left alone where no Chinese face is wanted or undone.
    if (look.chineseFamily.isEmpty() && !hadChineseFace)
        return;
    QFont font = desktopFont;
    if (!look.chineseFamily.isEmpty())
        font.setFamilies({desktopFont.family(), look.chineseFamily});
    QApplication::setFont(font);
}

const Language &windowLanguage()
{
    return *state().language;
}

ChineseScript windowScript()
{
    return state().language->script;
}

bool hasChineseCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(),
        [](QChar c) { return c.unicode() >= 0x2E80 && c.unicode() <= 0xFFEF && !c.isSurrogate(); });
}

QStringList programFontFamilies()
{
    const QString &chinese = state().chineseFamily;
    if (chinese.isEmpty())
        return latinFontFamilies();
    return latinFontFamilies() + QStringList {chinese};
}

QFont verdana(FontStyle style)
{
    QFont font;
    font.setFamilies(programFontFamilies());
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    // Chinese characters have no italic: a slanted copy of them reads badly, so they stand
    // upright where the English is italic.
    font.setItalic(style.italic && windowScript() == ChineseScript::None);
    font.setUnderline(style.underline);
    return font;
}

void setBackground(QWidget *widget, const QColor &colour, const QColor &text)
{
    QPalette palette = widget->palette();
    for (const auto &[background, foreground] :
        {std::pair {QPalette::Window, QPalette::WindowText}, {QPalette::Base, QPalette::Text}}) {
        palette.setColor(background, colour);
        palette.setColor(foreground, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void markControl(QWidget *control, ControlKind kind)
{
    control->setProperty(KindProperty, int(kind));
}

ControlKind controlKind(const QWidget *control)
{
    return ControlKind(control->property(KindProperty).toInt());
}

void applyLook(QWidget *control)
{
    switch (controlKind(control)) {
    case ControlKind::Button: {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Button, ButtonFace);
        palette.setColor(QPalette::ButtonText, Qt::black);
        control->setPalette(palette);
        break;
    }
    case ControlKind::DateList: {
        setBackground(control, Maroon, Qt::white);
        setTextColour(control, Qt::white);
        QPalette face = control->palette();
        face.setColor(QPalette::Button, Maroon);
        control->setPalette(face);
        control->setAutoFillBackground(false);
        break;
    }
    case ControlKind::Other:
        break;
    }
}

void useSharedPalette(QPalette &palette)
{
    std::vector<QPalette> &shared = state().sharedPalettes;
    const auto same = std::find(shared.cbegin(), shared.cend(), palette);
    if (same == shared.cend()) {
        if (shared.size() < MaxSharedPalettes)
            shared.push_back(palette);
        return;
    }
    const QPalette::ColorGroup group = palette.currentColorGroup();
    palette = *same;
    palette.setCurrentColorGroup(group);
}

} // namespace kq
