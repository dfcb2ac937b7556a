// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The start of a run, step by step.
#include "StartProgram.h"

#include "frmMain.h"
#include "modHelp.h"

#include <QCoreApplication>

namespace kq {

bool StartProgram(AppContext &context)
{
    Platform &platform = context.platform;

    // One copy per user. A second copy says so and ends without a window; the running copy is
    // left exactly as it is (neither raised nor restored).
    if (platform.instance.anotherInstanceRunning()) {
        platform.messages.show(
            QCoreApplication::translate("kq::StartProgram", "Application is already running"),
            MessageIcon::Information, MessageButtons::Ok);
        modHelp::EndProgram(platform, context.terminator);
        return false;
    }

    // Seeded from the time of day, in whole seconds since midnight, as the support window
    // re-seeds it later.
    SeedRandomFromClock(platform);
    // A question that is due comes before any window is visible.
    modHelp::RunUpdateReminder(platform);
    auto *main = new frmMain(context);
    main->show();
    main->activateWindow();
    // Once per run: a main window opened again by "&Back" keeps its offers as created.
    main->CoBrand_Randomize();
    return true;
}

} // namespace kq
