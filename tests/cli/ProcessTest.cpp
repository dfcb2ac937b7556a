// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests that run the built kq-predict: exit statuses, --help and --version as Qt's parser
// gives them, the JSON on standard output and --batch streaming through a pipe.
#include "RunProgram.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using kq::test::ProgramRun;

ProgramRun runKqPredict(const QStringList &arguments)
{
    return kq::test::RunProgram(QStringLiteral(KQ_PREDICT_PATH), arguments);
}

} // namespace

TEST(KqPredictProcess, ExitStatuses)
{
    EXPECT_EQ(runKqPredict({"--birth", "1980-06-15", "--conception", "2008-02-21"}).status, 0);
    EXPECT_EQ(runKqPredict({"--birth", "1980-06-15", "--conception", "2008-02-30"}).status, 2);
    EXPECT_EQ(runKqPredict({"--birth", "1980-06-15", "--conception", "08-02-21"}).status, 2);
    EXPECT_EQ(runKqPredict({"--birth", "1962-01-01", "--conception", "1979-01-01"}).status, 3);
    EXPECT_EQ(runKqPredict({"--birth", "1962-01-01"}).status, 64);
    EXPECT_EQ(runKqPredict({"--no-such-option"}).status, 64);
    EXPECT_EQ(runKqPredict({"--birth", "1980-06-15", "--due", "2008-11-14"}).status, 0);
    EXPECT_EQ(runKqPredict({"--birth", "1980-06-15", "--due", "2009-02-29"}).status, 2);
    EXPECT_EQ(
        runKqPredict({"--birth", "1980-06-15", "--due", "2008-11-14", "--conception", "2008-02-22"})
            .status,
        64);
}

TEST(KqPredictProcess, HelpAndVersion)
{
    const ProgramRun version = runKqPredict({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.trimmed(), "kq-predict 1.95");
    const ProgramRun help = runKqPredict({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--batch"));
    EXPECT_TRUE(help.out.contains("--lunar-month <date>"));
    for (const char *option : {"--due <date>", "--last-period <date>", "--around <days>"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(help.out.contains("conception years 1901 to 2099, birth years 1856 to 2099"));
}

TEST(KqPredictProcess, JsonPredictionOnOneLine)
{
    const ProgramRun finished = runKqPredict(
        {"--birth", "1960-05-05", "--conception", "2005-01-20", "--today", "2005-03-01", "--json"});
    EXPECT_EQ(finished.status, 0);
    EXPECT_TRUE(finished.err.isEmpty());
    ASSERT_EQ(finished.out.count('\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(finished.out).object();
    EXPECT_EQ(object.size(), 8);
    EXPECT_EQ(object["calendar"], "classic");
    EXPECT_EQ(object["outcome"], "Predicted");
    EXPECT_EQ(object["motherChineseAge"], 45);
    EXPECT_EQ(object["conceptionLunarMonth"], 12);
    EXPECT_EQ(object["gender"], "Boy");
    EXPECT_EQ(object["congratulationMessage"], "Congratulations!! Your predicted to have a Baby");
}

// Standard input is answered as it is read: a line's answer arrives while the input is still
// open, so a program can write a line and wait for its answer.
TEST(KqPredictProcess, BatchAnswersEachLineAsItArrives)
{
    QProcess process;
    process.start(QStringLiteral(KQ_PREDICT_PATH), {"--batch", "--today", "2012-01-01"});
    ASSERT_TRUE(process.waitForStarted());
    process.write("1980-06-15 2008-02-21\n");
    ASSERT_TRUE(process.waitForReadyRead(10000));
    const QJsonObject first = QJsonDocument::fromJson(process.readLine()).object();
    EXPECT_EQ(first["motherChineseAge"], 29);

    // Then far more than the reader's block of input at once, and a malformed line.
    QByteArray block;
    for (int i = 0; i < 5000; ++i)
        block += "1980-06-15 2008-02-21\n";
    process.write(block + "bad line\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QList<QByteArray> rest = process.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(rest.size(), 5001);
    const QJsonObject last = QJsonDocument::fromJson(rest.last()).object();
    EXPECT_EQ(last["outcome"], "InvalidInput");
    EXPECT_EQ(last["line"], 5002);
}
