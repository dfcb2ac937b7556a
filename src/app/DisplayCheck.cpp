// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program without a desktop: when no display can be opened, the program says so in
// one line on standard error and ends with a failure status, instead of the toolkit aborting
// with a core dump.
#include "DisplayCheck.h"

#include "ProgramLanguage.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace kq {

namespace {

// A message of the toolkit held back while the application object is made. The context's
// strings are static in the toolkit's code, so pointers to them stay valid.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

const char *const Context = "DisplayCheck";
const char *const NoVariables
    = QT_TRANSLATE_NOOP("DisplayCheck", "neither DISPLAY nor WAYLAND_DISPLAY is set");
const char *const NoDisplayVariable = QT_TRANSLATE_NOOP("DisplayCheck", "DISPLAY is not set");
const char *const NoServerWithoutDisplay = QT_TRANSLATE_NOOP(
    "DisplayCheck", "the window system could not be reached (DISPLAY is not set)");
const char *const NoServer
    = QT_TRANSLATE_NOOP("DisplayCheck", "the window system could not be reached (DISPLAY=%1)");

QtMessageHandler previousHandler = nullptr;
const Catalogues *words = nullptr;
bool guarding = false;
std::vector<HeldMessage> &held()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

void PrintLineAndExit(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(ExitNoDisplay); // nothing of the run exists yet: nothing to close or save
}

void GuardingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        PrintLineAndExit(qEnvironmentVariableIsEmpty("DISPLAY")
                ? NoDisplayLine(*words, NoServerWithoutDisplay)
                : NoDisplayLine(*words, NoServer, qEnvironmentVariable("DISPLAY")));
    held().push_back({type, context.file, context.line, context.function, context.category, text});
}

bool IsX11Only(const QString &platform)
{
    // The toolkit takes a list of platforms separated by ";" and tries them in order; each may
    // carry options after ":". The default on this system is X11.
    const QStringList names = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &entry : names) {
        if (entry.section(QLatin1Char(':'), 0, 0).trimmed() != QLatin1String("xcb"))
            return false;
    }
    return true;
}

} // namespace

const char *MissingDisplayReason(
    const QString &platform, const QString &display, const QString &waylandDisplay)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (!IsX11Only(platform) || !display.isEmpty())
        return nullptr;
    // With no platform asked for, a Wayland session may be what the toolkit finds.
    if (platform.trimmed().isEmpty() && !waylandDisplay.isEmpty())
        return nullptr;
    return platform.trimmed().isEmpty() ? NoVariables : NoDisplayVariable;
#else
    Q_UNUSED(platform);
    Q_UNUSED(display);
    Q_UNUSED(waylandDisplay);
    return nullptr;
#endif
}

const char *MissingDisplayReason(int argc, char **argv)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    return MissingDisplayReason(
        platform, qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
}

QString NoDisplayLine(const Catalogues &catalogues, const char *reason, const QString &detail)
{
    QString because = catalogues.translate(Context, reason);
    if (!detail.isEmpty())
        because = because.arg(detail);
    return catalogues
        .translate(Context,
            QT_TRANSLATE_NOOP("DisplayCheck",
                "cannot open a display: %1; this program needs a graphical desktop"))
        .arg(because);
}

DisplayFailureGuard::DisplayFailureGuard(const Catalogues &catalogues)
{
    words = &catalogues;
    held().clear();
    previousHandler = qInstallMessageHandler(GuardingHandler);
    guarding = true;
}

DisplayFailureGuard::~DisplayFailureGuard()
{
    release();
}

void DisplayFailureGuard::release()
{
    if (!guarding)
        return;
    guarding = false;
    qInstallMessageHandler(previousHandler);
    // Pass on what was held back, in order, to whoever handles messages now.
    std::vector<HeldMessage> messages = std::exchange(held(), {});
    for (const HeldMessage &message : messages) {
        const QMessageLogContext context(
            message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace kq
