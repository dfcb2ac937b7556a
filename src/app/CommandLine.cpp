// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program's command line: -h/--help and -v/--version, read before anything else so
// that they answer without a display. Everything else the program does is unchanged by it.
// Its texts are in the program's catalogue: they read in the desktop's language where the caller
// has installed it (main() does, before it writes any of them), in English otherwise.
#include "CommandLine.h"

#include "modMasterEdit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kq {

namespace {

const char *const Description = QT_TRANSLATE_NOOP("CommandLine",
    "Predicts a baby's gender by the Chinese pregnancy calendar, for fun.\n"
    "Choose the mother's date of birth and the date of conception in the window that opens.");

// The name the program was started by, as a user types it (on Windows without ".exe").
QString ProgramName(const QStringList &arguments)
{
    QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
#ifdef Q_OS_WIN
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
#endif
    return name.isEmpty() ? QStringLiteral("kq-pregnancy-calendar") : name;
}

// The program's options, worded in the installed language.
struct Options
{
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help.")};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Displays version information.")};
    // The one option of a run: the years of the official calendar instead of the program's own.
    QCommandLineOption extendedCalendar {QStringLiteral("extended-calendar"),
        QCoreApplication::translate("CommandLine",
            "Offers the years 1901 to 2099 for the conception (1856 to 2099 for the mother's "
            "birth) and opens on today's date. The lunar months outside 1960 to 2012 come from "
            "the official Chinese calendar.")};

    // Own help and version options rather than the parser's: those print and end the process
    // themselves, and need the application object, which does not exist yet.
    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(QCoreApplication::translate("CommandLine", Description));
        parser.addOptions({help, version, extendedCalendar});
    }
};

QString HelpText(const QString &program)
{
    QCommandLineParser parser;
    Options().addTo(parser);
    // The usage line names the program by its file name: the parser would put a placeholder
    // there without an application object, and the path it was started by with one.
    QString help = parser.helpText();
    const QString named = QCoreApplication::instance() ? QCoreApplication::arguments().first()
                                                       : QStringLiteral("<executable_name>");
    if (const qsizetype at = help.indexOf(named); at >= 0)
        help.replace(at, named.size(), program);
    return help;
}

CommandLineAnswer UsageError(const QString &program, const QString &message)
{
    return {ExitUsage, QString(),
        program + QStringLiteral(": ") + message + QLatin1Char('\n')
            + QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.")
                  .arg(program)
            + QLatin1Char('\n')};
}

} // namespace

CommandLine ReadCommandLine(const QStringList &arguments, CommandLineStage stage)
{
    // A program started with not even its own path (possible with execve) has nothing to read.
    if (arguments.size() <= 1)
        return {};
    CommandLine line;
    line.program = ProgramName(arguments);
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        if (stage == CommandLineStage::BeforeToolkit)
            return line;
        line.request = CommandLineRequest::InvalidOption;
        line.detail = parser.errorText();
    } else if (parser.isSet(options.help)) {
        line.request = CommandLineRequest::Help;
    } else if (parser.isSet(options.version)) {
        line.request = CommandLineRequest::Version;
    } else if (!parser.positionalArguments().isEmpty()) {
        line.request = CommandLineRequest::UnexpectedArgument;
        line.detail = parser.positionalArguments().first();
    } else {
        line.extendedCalendar = parser.isSet(options.extendedCalendar);
    }
    return line;
}

CommandLineAnswer AnswerOf(const CommandLine &commandLine)
{
    switch (commandLine.request) {
    case CommandLineRequest::Run:
        break;
    case CommandLineRequest::Help:
        return {0, HelpText(commandLine.program), QString()};
    case CommandLineRequest::Version:
        return {0,
            commandLine.program + QLatin1Char(' ')
                + QString::fromUtf8(modMasterEdit::ProductVersion.data(),
                    qsizetype(modMasterEdit::ProductVersion.size()))
                + QLatin1Char('\n'),
            QString()};
    case CommandLineRequest::UnexpectedArgument:
        return UsageError(commandLine.program,
            QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                .arg(commandLine.detail));
    case CommandLineRequest::InvalidOption:
        return UsageError(commandLine.program, commandLine.detail);
    }
    return {};
}

QStringList ArgumentsOf(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

#ifdef Q_OS_WIN
namespace {

bool HasNoHandle(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

// A Windows program of the desktop has no console of its own: started from a console, with its
// output not redirected, it writes to that console, so that "kq-pregnancy-calendar --help"
// typed there answers there. Redirected output is left as it is.
void WriteToTheConsoleStartedFrom()
{
    const bool noOutput = HasNoHandle(STD_OUTPUT_HANDLE);
    const bool noError = HasNoHandle(STD_ERROR_HANDLE);
    if ((!noOutput && !noError) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (noOutput)
        std::freopen("CONOUT$", "w", stdout);
    if (noError)
        std::freopen("CONOUT$", "w", stderr);
}

} // namespace
#endif

int FinishCommandLine(const CommandLine &commandLine)
{
#ifdef Q_OS_WIN
    WriteToTheConsoleStartedFrom();
#endif
    const CommandLineAnswer answer = AnswerOf(commandLine);
    if (!answer.standardError.isEmpty())
        std::fputs(answer.standardError.toLocal8Bit().constData(), stderr);
    if (answer.standardOutput.isEmpty())
        return answer.exitStatus;
    // A help or version that could not be written (a full disk, a closed pipe) is no success.
    const QByteArray text = answer.standardOutput.toLocal8Bit();
    if (std::fputs(text.constData(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fputs("could not write the output\n", stderr);
        return ExitOutputFailed;
    }
    return answer.exitStatus;
}

} // namespace kq
