// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: the single-instance rule through a named mutex in the user's session.
#include "MutexInstanceGuard.h"

#include <qt_windows.h>

namespace kq {

MutexInstanceGuard::MutexInstanceGuard(const QString &mutexName)
    : name(mutexName)
{ }

MutexInstanceGuard::~MutexInstanceGuard()
{
    release();
}

bool MutexInstanceGuard::anotherInstanceRunning()
{
    if (handle)
        return false;
    const std::wstring wide = name.toStdWString();
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, wide.c_str());
    const DWORD error = ::GetLastError();
    if (mutex && error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return true;
    }
    // A mutex of that name that this user may not open (made by an elevated copy) is a copy
    // that runs all the same.
    if (!mutex)
        return error == ERROR_ACCESS_DENIED;
    handle = mutex;
    return false;
}

void MutexInstanceGuard::release()
{
    if (!handle)
        return;
    ::CloseHandle(static_cast<HANDLE>(handle));
    handle = nullptr;
}

} // namespace kq
