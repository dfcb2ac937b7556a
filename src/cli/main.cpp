// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict: the prediction engine on the command line, for scripts and terminals.
#include "CalendarDate.h"
#include "KqPredict.h"
#include "ProgramLanguage.h"
#include "Utf8Console.h"

#include <QCoreApplication>
#include <QDate>

#include <iostream>

int main(int argc, char *argv[])
{
    const kq::cli::Utf8Console console {};
    // The standard streams are used only through iostreams: unsynchronised they are fast
    // enough for a million --batch lines.
    std::ios::sync_with_stdio(false);
    // Standard input is read in 64 KiB at a time rather than the stream's default 8 KiB
    // (--batch); set before any input is read.
    static char inputBuffer[1 << 16];
    std::cin.rdbuf()->pubsetbuf(inputBuffer, sizeof inputBuffer);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kq-predict"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KQ_VERSION));
    // The text answers, the help and the messages in the user's language, where kq-predict
    // speaks it; the JSON answers stay as they are.
    kq::InstallCatalogues(app, QStringLiteral("kq-predict"));

    const auto today = [] { return kq::ToYearMonthDay(QDate::currentDate()); };
    return kq::cli::RunKqPredict(
        QCoreApplication::arguments(), {std::cin, std::cout, std::cerr, today});
}
