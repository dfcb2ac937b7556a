// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The single-instance rule: one running copy of the program per user, marked by a lock file in
// the user's runtime folder. A lock left behind by a copy that was killed does not count.
#pragma once

#include "Platform.h"

#include <QLockFile>

#include <memory>

namespace kq {

class QtInstanceGuard : public InstanceGuard
{
public:
    explicit QtInstanceGuard(const QString &lockFilePath);
    ~QtInstanceGuard() override;

    // The lock file of one application name for the current user.
    static QString defaultLockFilePath(const QString &application);

    bool anotherInstanceRunning() override;
    void release() override;

    QString lockFilePath() const { return path; }
    bool holdsClaim() const { return held; }

private:
    QString path;
    std::unique_ptr<QLockFile> lock;
    bool held = false;
};

} // namespace kq
