// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// A terminator for tests of EndProgram: it records what the end of the run asked of it, and the
// process goes on.
#pragma once

#include "ProcessTerminator.h"

#include <QList>

#include <functional>

namespace kq::testing {

class FakeProcessTerminator : public ProcessTerminator
{
public:
    std::function<void()> onCloseWindows;
    int closeRuns = 0;
    QList<int> exitCodes;

    void closeWindows() override
    {
        ++closeRuns;
        if (onCloseWindows)
            onCloseWindows();
    }
    void terminate(int exitCode) override { exitCodes.append(exitCode); }
};

} // namespace kq::testing
