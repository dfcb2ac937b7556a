// The start of a run: the random numbers seeded from the clock, the update reminder, the
// main window shown and its offers stacked at random once.
#pragma once

#include "AppContext.h"

namespace kq {

void StartProgram(AppContext &context);

} // namespace kq
