// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language the programs speak: the desktop's, when there is a catalogue for it, else
// English (the programs' own texts, with no translator installed at all).
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace kq {

enum class ProgramLanguage { English, SimplifiedChinese, TraditionalChinese, Spanish };

// The language for the desktop's list of preferred languages, most wanted first, as Qt reads
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG (QLocale::system().uiLanguages(): "zh-TW",
// "zh-Hant-HK", "es-MX", "de", "C", ...). The first entry that is English or a language the
// program speaks decides; entries in other languages are passed over.
ProgramLanguage ChooseLanguage(const QStringList &uiLanguages);

// The catalogue's name ("zh_CN", "zh_TW", "es"); empty for English.
QString CatalogueName(ProgramLanguage language);

// Installs the program's catalogue `<catalogue>_<name>` and that of the engine's answers,
// `kq-engine_<name>` (EngineWords.h), from the resources under ":/i18n", and Qt's own (message
// box buttons, the help of the command line) from this system's Qt translations, for the
// desktop's language; for English installs nothing. Returns the language chosen.
ProgramLanguage InstallCatalogues(QCoreApplication &application, const QString &catalogue);

} // namespace kq
