// The exit flow: from the user's close of the main or the result window to the support window.
#include "ExitFlow.h"

#include "frmNagScreen2.h"
#include "modHelp.h"

namespace kq {

void RunExitFlow(Platform &platform)
{
    // The flow starts just after the window has gone; if the run has begun to end in between,
    // no farewell window appears any more.
    if (modHelp::IsEnding())
        return;
    // The window's own default ends the program: modHelp::EndProgram(platform).
    frmNagScreen2::ShowSupportWindow(platform);
}

} // namespace kq
