// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program's command line: -h/--help and -v/--version, read before anything else so
// that they answer without a display. Everything else the program does is unchanged by it.
#pragma once

#include <QString>
#include <QStringList>

namespace kq {

// Exit status of a run that was started with an option it does not know or with an argument.
inline constexpr int ExitUsage = 64;
// Exit status of a run whose help or version could not be written.
inline constexpr int ExitOutputFailed = 74;

// When the command line is read. Before the application object exists, the toolkit's own
// options (-platform, -style, -session, ...) are still among the arguments, so an option the
// program does not know may be one of them: it is left for the reading after, when the toolkit
// has taken its own options out.
enum class CommandLineStage {
    BeforeToolkit,
    AfterToolkit,
};

// What the command line asks for. Read once for each stage; worded only when it is written, so
// that the words are those of the catalogues installed by then.
enum class CommandLineRequest {
    Run,
    Help,
    Version,
    UnexpectedArgument, // detail: the argument
    InvalidOption, // detail: the parser's message, read when the toolkit has its options out
};

struct CommandLine
{
    CommandLineRequest request = CommandLineRequest::Run;
    QString program; // the file name the program was started by
    QString detail;
    // --extended-calendar: the main window's lists reach from 1901 (births from 1856) to 2099.
    bool extendedCalendar = false;

    bool run() const { return request == CommandLineRequest::Run; }
};

// Reads the arguments (the program's path first, as main() receives it).
CommandLine ReadCommandLine(const QStringList &arguments, CommandLineStage stage);

// What a command line that does not run the program answers, worded in the installed language:
// end at once with exitStatus after writing standardOutput and standardError (either may be
// empty).
struct CommandLineAnswer
{
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;
};

CommandLineAnswer AnswerOf(const CommandLine &commandLine);

// The arguments of main() as a list, decoded as the toolkit decodes them.
QStringList ArgumentsOf(int argc, char **argv);

// Writes the answer of a command line that does not run the program and gives its exit status.
int FinishCommandLine(const CommandLine &commandLine);

} // namespace kq
