// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// How the run ends. The program makes one terminator at start-up and hands it to every window;
// EndProgram drives it: the windows are closed, then the process ends with a status. The
// windows ask it whether the run is ending, so that a window closed by the end itself does not
// start the exit flow (or the end) again.
#pragma once

#include <utility>

namespace kq {

class ProcessTerminator
{
public:
    virtual ~ProcessTerminator() = default;

    // True from the moment EndProgram begins.
    bool isEnding() const noexcept { return ending; }
    // Marks the run as ending; false when it already was.
    bool beginEnding() noexcept { return !std::exchange(ending, true); }

    // Closes every window of the program; a window that refuses is passed over.
    virtual void closeWindows() = 0;
    // Ends the process with the status. Returns; the caller then does nothing more.
    virtual void terminate(int exitCode) = 0;

protected:
    ProcessTerminator() = default;
    ProcessTerminator(const ProcessTerminator &) = delete;
    ProcessTerminator &operator=(const ProcessTerminator &) = delete;

private:
    bool ending = false;
};

} // namespace kq
