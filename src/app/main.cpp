// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program: one run from the start to the end of the exit flow.
#include "AppContext.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "ExitFlow.h"
#include "Language.h"
#include "ProgramStyle.h"
#include "QtPlatform.h"
#include "QtProcessTerminator.h"
#include "StartProgram.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // --help and --version answer before anything else, without a display, in the desktop's
    // language: only then is a core application object made, for the catalogues.
    if (const QStringList arguments = kq::ArgumentsOf(argc, argv);
        !kq::ReadCommandLine(arguments, kq::CommandLineStage::BeforeToolkit).run) {
        QCoreApplication core(argc, argv);
        kq::InstallCatalogues(core, QStringLiteral("kq"));
        return kq::FinishCommandLine(
            kq::ReadCommandLine(arguments, kq::CommandLineStage::BeforeToolkit));
    }
    // Without a display the toolkit would abort with a core dump: say so in one line instead.
    if (const QString reason = kq::MissingDisplayReason(argc, argv); !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(kq::NoDisplayLine(reason)));
        return kq::ExitNoDisplay;
    }
    kq::DisplayFailureGuard displayGuard;
    QApplication application(argc, argv);
    displayGuard.release();
    // The desktop's language, when the program speaks it; English installs nothing.
    kq::InstallTranslations(application);
    // Read again without the toolkit's own options, which the application object took out.
    if (const kq::CommandLine commandLine
        = kq::ReadCommandLine(QCoreApplication::arguments(), kq::CommandLineStage::AfterToolkit);
        !commandLine.run)
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

    // --extended-calendar, read from the arguments the toolkit has left.
    context.extendedCalendar
        = kq::ReadCommandLine(QCoreApplication::arguments(), kq::CommandLineStage::AfterToolkit)
              .extendedCalendar;
    if (!kq::StartProgram(context))
        return terminator.statusBeforeLoop().value_or(0);
    return QApplication::exec();
}
