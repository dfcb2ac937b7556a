// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language the programs speak, and the catalogues that speak it.
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace kq {

namespace {

bool same(std::string_view tag, const QString &part)
{
    return !tag.empty()
        && part.compare(QLatin1String(tag.data(), qsizetype(tag.size())), Qt::CaseInsensitive) == 0;
}

// One entry of the list: language, optional script, optional territory, in any of the forms
// "zh-Hant-TW", "zh_TW.UTF-8", "es_ES@euro". Nothing for a language the program does not speak.
const Language *languageOf(const QString &entry)
{
    QString tag = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList parts = tag.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return nullptr;
    const QString &code = parts.first();
    // C and POSIX are the programs' own texts, as English is.
    if (code.compare(QLatin1String("c"), Qt::CaseInsensitive) == 0
        || code.compare(QLatin1String("posix"), Qt::CaseInsensitive) == 0)
        return &English;

    const Language *first = nullptr;
    const Language *byTerritory = nullptr;
    for (const Language &language : Languages) {
        if (!same(language.code, code))
            continue;
        if (!first)
            first = &language;
        for (const QString &part : parts.mid(1)) {
            // A script tag says which characters, whatever the territory.
            if (same(language.scriptTag, part))
                return &language;
            const auto &territories = language.territories;
            if (!byTerritory
                && std::any_of(territories.cbegin(), territories.cend(),
                    [&part](std::string_view territory) { return same(territory, part); }))
                byTerritory = &language;
        }
    }
    return byTerritory ? byTerritory : first;
}

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

const Language &ChooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &entry : uiLanguages)
        if (const Language *language = languageOf(entry))
            return *language;
    return English;
}

const Language &DesktopLanguage()
{
    return ChooseLanguage(QLocale::system().uiLanguages());
}

Catalogues::Catalogues(const Language &language, const QString &name)
    : spoken(language)
{
    if (language.catalogue.empty())
        return;
    const QString suffix = fromView(language.catalogue);
    // Qt's own texts, from Qt's translations on this system; without them Qt's few words stay
    // English, the program's are translated all the same.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(
            QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        translators.push_back(std::move(toolkit));
    // The engine's answers, then the program's own texts, built into it.
    for (const QString &built : {QStringLiteral("kq-engine"), name}) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/i18n/") + built + QLatin1Char('_') + suffix))
            translators.push_back(std::move(program));
    }
}

Catalogues::~Catalogues() = default;

QString Catalogues::translate(const char *context, const char *source) const
{
    // The last loaded is the program's own catalogue, looked at first.
    for (auto translator = translators.crbegin(); translator != translators.crend(); ++translator)
        if (QString text = (*translator)->translate(context, source); !text.isEmpty())
            return text;
    return QString::fromUtf8(source);
}

void Catalogues::install(QCoreApplication &application)
{
    // Qt looks at the translator installed last first.
    for (std::unique_ptr<QTranslator> &translator : translators) {
        translator->setParent(&application);
        QCoreApplication::installTranslator(translator.release());
    }
    translators.clear();
}

const Language &InstallCatalogues(QCoreApplication &application, const QString &catalogue)
{
    Catalogues catalogues(DesktopLanguage(), catalogue);
    catalogues.install(application);
    return catalogues.language();
}

} // namespace kq
