// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The catalogues of the windows, of kq-predict and of the engine's answers that both show, as
// a translator leaves them: every message translated and in use, the same arguments ("%1") and
// the same access key as the English, written the way the language writes it.
#include "RowName.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "", "unfinished", "obsolete", "vanished"
};

// The text of the current element; <byte value="xd"/> stands for a character XML cannot carry.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.hasError())
            return text;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text
                += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = readText(xml);
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = readText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = readText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The arguments of a text, "%1" to "%99", sorted.
QStringList argumentsOf(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : argument.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The access keys of a caption: the characters after a single "&" ("&&" is a shown "&").
QString accessKeysOf(const QString &text)
{
    QString keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == u'&')
            ++i;
        else if (i + 1 < text.size())
            keys += text.at(i + 1);
        else
            keys += u'?';
    }
    return keys;
}

struct Catalogue
{
    const char *name;
    const char *file;
    int fewestMessages; // the texts the sources hold at least
    bool chinese;
    bool spanish;
};

void PrintTo(const Catalogue &catalogue, std::ostream *out)
{
    *out << catalogue.file;
}

class Catalogues : public ::testing::TestWithParam<Catalogue>
{
protected:
    QList<Message> messages
        = readCatalogue(QStringLiteral(KQ_TRANSLATIONS_DIR "/") + QLatin1String(GetParam().file));
};

TEST_P(Catalogues, AreFinishedAndInUse)
{
    ASSERT_GE(messages.size(), GetParam().fewestMessages);
    for (const Message &message : messages) {
        EXPECT_TRUE(message.type.isEmpty())
            << message.type.toStdString() << ": " << message.source.toStdString();
        EXPECT_FALSE(message.translation.isEmpty()) << message.source.toStdString();
    }
}

TEST_P(Catalogues, KeepTheArgumentsAndAccessKeys)
{
    for (const Message &message : messages) {
        const std::string where
            = message.context.toStdString() + ": " + message.source.toStdString();
        EXPECT_EQ(argumentsOf(message.translation), argumentsOf(message.source)) << where;
        const QString sourceKeys = accessKeysOf(message.source);
        const QString keys = accessKeysOf(message.translation);
        EXPECT_EQ(keys.size(), sourceKeys.size())
            << where << " -> " << message.translation.toStdString();
        if (!sourceKeys.isEmpty()) {
            EXPECT_FALSE(message.translation.contains(QLatin1String("&&"))) << where;
        }
    }
}

TEST_P(Catalogues, WriteTheLanguagesConventions)
{
    // Chinese: the English key letter in brackets at the end ("退出(&X)"). Spanish: an
    // exclamation or a question opens with "¡" or "¿".
    static const QRegularExpression chineseKey(QStringLiteral("\\(&[A-Z]\\)$"));
    for (const Message &message : messages) {
        const std::string where
            = message.source.toStdString() + " -> " + message.translation.toStdString();
        if (GetParam().chinese && !accessKeysOf(message.source).isEmpty()) {
            EXPECT_TRUE(chineseKey.match(message.translation).hasMatch()) << where;
            EXPECT_EQ(accessKeysOf(message.translation), accessKeysOf(message.source).toUpper())
                << where;
        }
        if (GetParam().spanish) {
            EXPECT_EQ(message.translation.count(u'!'), message.translation.count(u'¡')) << where;
            EXPECT_EQ(message.translation.count(u'?'), message.translation.count(u'¿')) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Catalogues,
    ::testing::Values(Catalogue {"SimplifiedChinese", "kq_zh_CN.ts", 80, true, false},
        Catalogue {"TraditionalChinese", "kq_zh_TW.ts", 80, true, false},
        Catalogue {"Spanish", "kq_es.ts", 80, false, true},
        Catalogue {"PredictSimplifiedChinese", "kq-predict_zh_CN.ts", 80, true, false},
        Catalogue {"PredictTraditionalChinese", "kq-predict_zh_TW.ts", 80, true, false},
        Catalogue {"PredictSpanish", "kq-predict_es.ts", 80, false, true},
        // Gender, colour, congratulation line, date check and age message.
        Catalogue {"EngineSimplifiedChinese", "kq-engine_zh_CN.ts", 10, true, false},
        Catalogue {"EngineTraditionalChinese", "kq-engine_zh_TW.ts", 10, true, false},
        Catalogue {"EngineSpanish", "kq-engine_es.ts", 10, false, true}),
    kq::test::RowName());

} // namespace
