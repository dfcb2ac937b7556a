// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The end of the run.
#include "modHelp.h"

namespace modHelp {

void EndProgram(kq::Platform &platform, kq::ProcessTerminator &terminator)
{
    // A window closed below may call EndProgram again from its close handler: the run is
    // already ending, so that call does nothing.
    if (!terminator.beginEnding())
        return;
    terminator.closeWindows();
    platform.instance.release();
    terminator.terminate(0);
}

} // namespace modHelp
