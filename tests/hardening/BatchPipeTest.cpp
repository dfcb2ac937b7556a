// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The built kq-predict --batch fed hostile input through a pipe: every input the batch fuzz
// target keeps (binary bytes, NUL, lines over the limit, impossible dates, numbers written
// every which way), one after another. The program ends with status 0, writes nothing on
// standard error and one JSON object for each non-blank input line. What each answer says is
// checked by the fuzz target (tests/fuzz/FuzzBatch.cpp) over the same inputs.
#include "BatchLineReader.h"
#include "RunProgram.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

// Blank: nothing but spaces, tabs, CR, VT and FF, and within the line limit (a longer line is
// answered as too long, whatever it holds).
bool IsBlank(const QByteArray &line)
{
    if (static_cast<std::size_t>(line.size()) > kq::cli::BatchLineReader::DefaultLineLimit)
        return false;
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\v' && c != '\f')
            return false;
    return true;
}

TEST(BatchThroughAPipe, EveryKeptHostileInputGetsOneJsonLinePerNonBlankLine)
{
    QByteArray input;
    for (const char *folder : {KQ_BATCH_CORPUS, KQ_BATCH_REGRESSIONS}) {
        const QDir dir(QString::fromUtf8(folder));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            input += file.readAll();
            input += '\n';
        }
    }
    QList<QByteArray> lines = input.split('\n');
    lines.removeLast(); // after the last line break
    qsizetype nonBlank = 0;
    for (const QByteArray &line : lines)
        nonBlank += IsBlank(line) ? 0 : 1;
    ASSERT_GT(nonBlank, 100);

    const kq::test::ProgramRun run = kq::test::RunProgram(QStringLiteral(KQ_PREDICT_PATH),
        {QStringLiteral("--batch"), QStringLiteral("--today"), QStringLiteral("2009-12-01")}, input,
        QProcessEnvironment::systemEnvironment(), 120000);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, QByteArray());
    ASSERT_TRUE(run.out.endsWith('\n'));
    const QList<QByteArray> answers = run.out.chopped(1).split('\n');
    ASSERT_EQ(answers.size(), nonBlank);
    for (const QByteArray &answer : answers) {
        QJsonParseError error {};
        const QJsonDocument json = QJsonDocument::fromJson(answer, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << answer.constData();
        ASSERT_TRUE(json.isObject()) << answer.constData();
    }
}

} // namespace
