// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: the single-instance rule through a named mutex in the user's session. The first
// copy creates it and holds it until it ends; a copy that finds it already there is the second.
// Windows closes the mutex of a copy that ends in any way, so nothing is ever left behind.
#pragma once

#include "Platform.h"

namespace kq {

// The mutex of one application name, in the session's own namespace ("Local\"): a copy started
// by another user in another session does not count.
inline QString InstanceMutexName(const QString &application)
{
    return QStringLiteral("Local\\") + application + QStringLiteral(".single-instance");
}

class MutexInstanceGuard : public InstanceGuard
{
public:
    explicit MutexInstanceGuard(const QString &mutexName);
    ~MutexInstanceGuard() override;
    MutexInstanceGuard(const MutexInstanceGuard &) = delete;
    MutexInstanceGuard &operator=(const MutexInstanceGuard &) = delete;

    bool anotherInstanceRunning() override;
    void release() override;

    QString mutexName() const { return name; }
    bool holdsClaim() const { return handle != nullptr; }

private:
    QString name;
    void *handle = nullptr; // the mutex, while this copy holds the claim
};

} // namespace kq
