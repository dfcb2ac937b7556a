// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What every window of the program is given: the platform services, the prediction engine's
// variables (one set for the whole run), the way the run ends, and the exit flow that runs when
// the user closes the main or the result window.
#pragma once

#include "Platform.h"
#include "Prediction.h"
#include "ProcessTerminator.h"

#include <functional>

namespace kq {

struct AppContext
{
    Platform &platform;
    PredictionState &engine;
    // Made once by the program; EndProgram ends the run through it.
    ProcessTerminator &terminator;
    // Runs after the user has closed the main or the result window (close box or File > Exit);
    // never after a switch between the two. Wired by the program at start-up.
    std::function<void()> exitFlow;
    // Started with --extended-calendar: the main window's lists reach from 1901 (births from
    // 1856) to 2099 and open on today's date. Off by default.
    bool extendedCalendar = false;
};

} // namespace kq
