// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Runs a built program as a child process, as a user or a script would: its arguments, its
// standard input, and its environment; waits for it and collects what it wrote (standard
// output goes to standardOutputFile instead where one is named, e.g. /dev/full).
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace kq::test {

struct ProgramRun
{
    int status = -1; // the exit status; -1 when the program did not end normally
    QByteArray out;
    QByteArray err;
};

inline ProgramRun RunProgram(const QString &program, const QStringList &arguments,
    const QByteArray &input = {},
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = 60000, const QString &standardOutputFile = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!standardOutputFile.isEmpty())
        process.setStandardOutputFile(standardOutputFile);
    process.start(program, arguments);
    // Under Wine a start fails now and then while its server is busy. A program that never
    // started has done nothing, so it is started once more.
    if (!process.waitForStarted() && process.error() == QProcess::FailedToStart)
        process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(timeoutMs);
    EXPECT_TRUE(finished) << program.toStdString() << " did not end";
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    ProgramRun run;
    run.status = process.exitStatus() == QProcess::NormalExit && finished ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The environment of a user whose desktop speaks `lang` (LANG), with LANGUAGE too where
// `language` is given: nothing else that chooses a language is left set.
inline QProcessEnvironment LocaleEnvironment(const char *lang, const char *language = nullptr,
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANG"), QLatin1String(lang));
    if (language)
        environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(language));
    return environment;
}

} // namespace kq::test
