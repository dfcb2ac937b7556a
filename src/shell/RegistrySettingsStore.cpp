// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// On Windows: the per-user settings store in the registry, where the Windows runtime keeps a
// program's settings.
#include "RegistrySettingsStore.h"

#include <qt_windows.h>

#include <string>

namespace kq {

namespace {

// The system's ANSI code page. The program's manifest makes UTF-8 the code page of its own
// process, so GetACP() would answer 65001; the settings were written, and are read by any other
// program of the runtime, in the code page of the system.
UINT SystemAnsiCodePage()
{
    DWORD codePage = 0;
    if (::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
            reinterpret_cast<LPWSTR>(&codePage), sizeof(codePage) / sizeof(WCHAR))
        && codePage != 0 && codePage != CP_UTF8)
        return codePage;
    return 1252;
}

// The codec's characters (codes 0 to 255) as the bytes they stand for, read in the system's
// ANSI code page.
std::wstring ToRegistryText(const QString &codecText)
{
    const QByteArray bytes = codecText.toLatin1();
    if (bytes.isEmpty())
        return {};
    const UINT codePage = SystemAnsiCodePage();
    const int length
        = ::MultiByteToWideChar(codePage, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(
            codePage, 0, bytes.constData(), int(bytes.size()), wide.data(), length);
    return wide;
}

// And back: the registry's text as ANSI bytes, each byte one character of the codec.
QString FromRegistryText(const std::wstring &wide)
{
    if (wide.empty())
        return {};
    const UINT codePage = SystemAnsiCodePage();
    const int length = ::WideCharToMultiByte(
        codePage, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    QByteArray bytes(length, '\0');
    ::WideCharToMultiByte(
        codePage, 0, wide.data(), int(wide.size()), bytes.data(), length, nullptr, nullptr);
    return QString::fromLatin1(bytes);
}

std::wstring Wide(const QString &text)
{
    return text.toStdWString();
}

} // namespace

RegistrySettingsStore::RegistrySettingsStore(const QString &root)
    : rootKey(root.isEmpty() ? defaultRoot() : root)
{ }

QString RegistrySettingsStore::read(
    const QString &application, const QString &section, const QString &key)
{
    const std::wstring path = Wide(RegistrySettingsKey(rootKey, application, section));
    const std::wstring name = ToRegistryText(key);
    // A value that is missing, of another type or unreadable reads as never written.
    DWORD type = 0;
    DWORD size = 0;
    if (::RegGetValueW(
            HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, &type, nullptr, &size)
            != ERROR_SUCCESS
        || size < sizeof(wchar_t))
        return {};
    std::wstring data(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(
            HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, &type, data.data(), &size)
        != ERROR_SUCCESS)
        return {};
    data.resize(size / sizeof(wchar_t));
    while (!data.empty() && data.back() == L'\0')
        data.pop_back();
    return FromRegistryText(data);
}

void RegistrySettingsStore::write(
    const QString &application, const QString &section, const QString &key, const QString &value)
{
    // The registry writes a value whole or not at all. A failed write is not reported: the
    // value is simply not kept.
    const std::wstring path = Wide(RegistrySettingsKey(rootKey, application, section));
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
            KEY_SET_VALUE, nullptr, &handle, nullptr)
        != ERROR_SUCCESS)
        return;
    const std::wstring name = ToRegistryText(key);
    const std::wstring data = ToRegistryText(value);
    ::RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
        DWORD((data.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
}

} // namespace kq
