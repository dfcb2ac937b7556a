// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The exit flow: when the user has closed the main or the result window, the support window
// takes over as the program's only window; closing that window ends the run.
#pragma once

#include "AppContext.h"

namespace kq {

// Shows the support window (created the first time, kept for the rest of the run). Its close
// box and "E&xit" run EndProgram. Does nothing once the run is ending.
void RunExitFlow(AppContext &context);

} // namespace kq
