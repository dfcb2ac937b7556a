// The desktop program: one run from the start to the end of the exit flow.
#include "AppContext.h"
#include "DisplayCheck.h"
#include "QtPlatform.h"
#include "StartProgram.h"
#include "modHelp.h"

#include <QApplication>

#include <cstdio>
#include <utility>

int main(int argc, char **argv)
{
    // Without a display the toolkit would abort with a core dump: say so in one line instead.
    if (const QString reason = kq::MissingDisplayReason(argc, argv); !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(kq::NoDisplayLine(reason)));
        return kq::ExitNoDisplay;
    }
    kq::DisplayFailureGuard displayGuard;
    QApplication application(argc, argv);
    displayGuard.release();
    // The windows take turns (the main window closes before the result window shows), so the
    // run does not end when no window is visible; it ends through the exit flow.
    QApplication::setQuitOnLastWindowClosed(false);

    kq::QtPlatform desktop;
    kq::PredictionState engine;
    bool leaving = false;
    kq::AppContext context {desktop.platform, engine, [&] {
                                // The user has closed the main or the result window: the run
                                // ends, once.
                                if (std::exchange(leaving, true))
                                    return;
                                modHelp::EndProgram(desktop.platform);
                            }};

    kq::StartProgram(context);
    return QApplication::exec();
}
