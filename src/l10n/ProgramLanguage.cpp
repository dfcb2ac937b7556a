// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The language the programs speak, and the catalogues that speak it.
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

namespace kq {

namespace {

// One entry of the list: language, optional script, optional territory, in any of the forms
// "zh-Hant-TW", "zh_TW.UTF-8", "es_ES@euro". Nothing for English, C and POSIX, which the
// program speaks as written.
std::optional<ProgramLanguage> languageOf(const QString &entry)
{
    QString tag = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList parts = tag.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    const QString language = parts.first().toLower();
    if (language == QLatin1String("en") || language == QLatin1String("c")
        || language == QLatin1String("posix"))
        return ProgramLanguage::English;
    if (language == QLatin1String("es"))
        return ProgramLanguage::Spanish;
    if (language != QLatin1String("zh"))
        return std::nullopt;

    // Chinese: a script tag says which characters; without one, Taiwan, Hong Kong and Macau
    // write Traditional, mainland China, Singapore and everyone else Simplified.
    for (const QString &part : parts.mid(1)) {
        const QString lower = part.toLower();
        if (lower == QLatin1String("hant"))
            return ProgramLanguage::TraditionalChinese;
        if (lower == QLatin1String("hans"))
            return ProgramLanguage::SimplifiedChinese;
    }
    for (const QString &part : parts.mid(1)) {
        const QString upper = part.toUpper();
        if (upper == QLatin1String("TW") || upper == QLatin1String("HK")
            || upper == QLatin1String("MO"))
            return ProgramLanguage::TraditionalChinese;
    }
    return ProgramLanguage::SimplifiedChinese;
}

} // namespace

ProgramLanguage ChooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &entry : uiLanguages)
        if (const auto language = languageOf(entry))
            return *language;
    return ProgramLanguage::English;
}

QString CatalogueName(ProgramLanguage language)
{
    switch (language) {
    case ProgramLanguage::SimplifiedChinese:
        return QStringLiteral("zh_CN");
    case ProgramLanguage::TraditionalChinese:
        return QStringLiteral("zh_TW");
    case ProgramLanguage::Spanish:
        return QStringLiteral("es");
    case ProgramLanguage::English:
        break;
    }
    return {};
}

ProgramLanguage InstallCatalogues(QCoreApplication &application, const QString &catalogue)
{
    const ProgramLanguage language = ChooseLanguage(QLocale::system().uiLanguages());
    if (language == ProgramLanguage::English)
        return language;
    const QString name = CatalogueName(language);

    // The program's own texts and the engine's answers, built into it.
    for (const QString &built : {catalogue, QStringLiteral("kq-engine")}) {
        auto *program = new QTranslator(&application);
        if (program->load(QStringLiteral(":/i18n/") + built + QLatin1Char('_') + name))
            QCoreApplication::installTranslator(program);
    }
    // Qt's own texts, from Qt's translations on this system; without them Qt's few words stay
    // English, the program's are translated all the same.
    auto *toolkit = new QTranslator(&application);
    if (toolkit->load(
            QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    return language;
}

} // namespace kq
