// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The start of a run: one copy per user, the random numbers seeded from the clock, the update
// reminder, the main window shown and its offers stacked at random once.
#pragma once

#include "AppContext.h"

namespace kq {

// Returns false when this copy has ended at once because another copy was already running
// (the user has been told, and EndProgram has run): there is nothing more to do for it.
bool StartProgram(AppContext &context);

} // namespace kq
