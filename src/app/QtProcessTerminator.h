// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// How the desktop program's run ends: every window closed, then the event loop left with the
// status, so that main() returns it and the windows, the toolkit and the instance lock are taken
// down in order. Before the loop runs (a second copy, after its message) the status is kept
// for main() to return.
#pragma once

#include "ProcessTerminator.h"

#include <optional>

namespace kq {

class QtProcessTerminator : public ProcessTerminator
{
public:
    void closeWindows() override;
    void terminate(int exitCode) override;

    // The status of an end that came before the event loop ran.
    std::optional<int> statusBeforeLoop() const { return endedBeforeLoop; }

private:
    std::optional<int> endedBeforeLoop;
};

} // namespace kq
