// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The exit flow: from the user's close of the main or the result window to the support window.
#include "ExitFlow.h"

#include "frmNagScreen2.h"
#include "modHelp.h"

namespace kq {

void RunExitFlow(AppContext &context)
{
    // The flow starts just after the window has gone; if the run has begun to end in between,
    // no farewell window appears any more.
    if (context.terminator.isEnding())
        return;
    frmNagScreen2::ShowSupportWindow(context.platform,
        [&context] { modHelp::EndProgram(context.platform, context.terminator); });
}

} // namespace kq
