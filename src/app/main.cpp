// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program: one run from the start to the end of the exit flow.
#include "AppContext.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "ExitFlow.h"
#include "Look.h"
#include "ProgramLanguage.h"
#include "ProgramStyle.h"
#include "QtPlatform.h"
#include "QtProcessTerminator.h"
#include "StartProgram.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // The desktop's language, when the program speaks it (English loads nothing): its
    // catalogues are loaded first, so that every word of the run is in it, even the message
    // for a missing display, which comes before the application object.
    kq::Catalogues catalogues(kq::DesktopLanguage(), QStringLiteral("kq"));

    // --help and --version answer before anything else, without a display, in the desktop's
    // language: only then is a core application object made, to install the catalogues before
    // the answer is worded (the parser's own words come from Qt's). The toolkit's own options
    // are still among the arguments here; the reading after the toolkit has taken them out
    // decides on the rest.
    const kq::CommandLine beforeToolkit
        = kq::ReadCommandLine(kq::ArgumentsOf(argc, argv), kq::CommandLineStage::BeforeToolkit);
    if (!beforeToolkit.run()) {
        QCoreApplication core(argc, argv);
        catalogues.install(core);
        return kq::FinishCommandLine(beforeToolkit);
    }
    // Without a display the toolkit would abort with a core dump: say so in one line instead.
    if (const char *reason = kq::MissingDisplayReason(argc, argv)) {
        std::fprintf(stderr, "%s\n", qPrintable(kq::NoDisplayLine(catalogues, reason)));
        return kq::ExitNoDisplay;
    }
    kq::DisplayFailureGuard displayGuard(catalogues);
    QApplication application(argc, argv);
    displayGuard.release();
    // Qt's own texts first and the program's last, so that the program's win; in Chinese the
    // fonts fall back to the CJK face of the language's script, and dates read year first.
    const kq::Language &language = catalogues.language();
    catalogues.install(application);
    kq::UseLanguage(language);
    // Read without the toolkit's own options, which the application object took out.
    const kq::CommandLine commandLine
        = kq::ReadCommandLine(QCoreApplication::arguments(), kq::CommandLineStage::AfterToolkit);
    if (!commandLine.run())
        return kq::FinishCommandLine(commandLine);
    // The windows take turns (the main window closes before the result window shows, and both
    // are closed while the support window is up), so the run does not end when no window is
    // visible; it ends through EndProgram.
    QApplication::setQuitOnLastWindowClosed(false);
    // The look of the date lists, for the whole program where the desktop uses Fusion anyway.
    kq::ProgramStyle::installForApplication();

    kq::QtPlatform desktop;
    kq::PredictionState engine;
    kq::QtProcessTerminator terminator;
    kq::AppContext context {desktop.platform, engine, terminator, {}};
    context.exitFlow = [&context] { kq::RunExitFlow(context); };
    context.extendedCalendar = commandLine.extendedCalendar;
    if (!kq::StartProgram(context))
        return terminator.statusBeforeLoop().value_or(0);
    return QApplication::exec();
}
