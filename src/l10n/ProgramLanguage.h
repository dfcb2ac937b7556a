// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language the programs speak: the desktop's, when there is a catalogue for it, else
// English (the programs' own texts, with no translator installed at all).
#pragma once

#include "Languages.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QCoreApplication;
class QTranslator;

namespace kq {

// The language for the desktop's list of preferred languages, most wanted first, as Qt reads
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG (QLocale::system().uiLanguages(): "zh-TW",
// "zh-Hant-HK", "es-MX", "de", "C", ...). The first entry that is English or a language the
// program speaks decides; entries in other languages are passed over.
const Language &ChooseLanguage(const QStringList &uiLanguages);

// The desktop's language, as ChooseLanguage reads it from this process's environment.
const Language &DesktopLanguage();

// A language's catalogues, loaded before any application object exists (so that even the
// message for a missing display can be translated): Qt's own from this system's Qt
// translations (message box buttons, the help of the command line), then the program's
// `<name>_<suffix>` and the engine's answers `kq-engine_<suffix>`, from the resources under
// ":/i18n". For English nothing is loaded.
class Catalogues
{
public:
    Catalogues(const Language &language, const QString &name);
    ~Catalogues();
    Catalogues(const Catalogues &) = delete;
    Catalogues &operator=(const Catalogues &) = delete;

    const Language &language() const { return spoken; }

    // A text of the program's catalogue, or the source text where it has none.
    QString translate(const char *context, const char *source) const;

    // Installs them into the application, which then owns them: Qt's first and the program's
    // last, so that where both have a text the program's wins.
    void install(QCoreApplication &application);

private:
    const Language &spoken;
    std::vector<std::unique_ptr<QTranslator>> translators; // in the order of installing
};

// Loads and installs the catalogues `name` of the desktop's language. Returns the language.
const Language &InstallCatalogues(QCoreApplication &application, const QString &catalogue);

} // namespace kq
