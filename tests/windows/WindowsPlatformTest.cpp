// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The Windows platform layer, run on Windows (under Wine in the Linux build's check): the
// settings in the registry where the Windows runtime keeps them, the single-instance rule with
// a named mutex, and the support window's topmost placement with SetWindowPos.
#include "MutexInstanceGuard.h"
#include "RegistrySettingsStore.h"
#include "TopmostWindow.h"
#include "modHelp.h"

#include <QApplication>
#include <QUuid>
#include <QWidget>

#include <qt_windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A registry key of the test's own under HKEY_CURRENT_USER, removed afterwards.
class RegistryRoot : public ::testing::Test
{
protected:
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, root.toStdWString().c_str()); }

    std::wstring valueOf(const QString &application, const std::wstring &name)
    {
        const std::wstring key
            = (root + QLatin1Char('\\') + application + QStringLiteral("\\Settings"))
                  .toStdWString();
        wchar_t data[256] = {};
        DWORD size = sizeof(data);
        if (::RegGetValueW(
                HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size)
            != ERROR_SUCCESS)
            return L"<missing>";
        return data;
    }

    QString root = QStringLiteral("Software\\KQ tests\\")
        + QUuid::createUuid().toString(QUuid::WithoutBraces);
};

// "Duration" and "2026-12-09" with each code moved up by 85, as the Windows runtime stored them:
// the bytes read in the ANSI code page of a western system (1252), where 153 is U+2122 and 135
// is U+2021. Written out by hand from the code page's table.
const std::wstring StoredDurationName = L"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3";
const std::wstring StoredDate = L"\u2021\u2026\u2021\u2039\u201A\u2020\u2021\u201A\u2026\u017D";

bool WesternCodePage()
{
    DWORD codePage = 0;
    ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
        reinterpret_cast<LPWSTR>(&codePage), sizeof(codePage) / sizeof(WCHAR));
    return codePage == 1252;
}

TEST_F(RegistryRoot, TheReminderDateLandsWhereTheRuntimeKeepsIt)
{
    if (!WesternCodePage())
        GTEST_SKIP() << "the stored form is written out for code page 1252";
    kq::RegistrySettingsStore store(root);
    store.write(QStringLiteral("kq-pregnancy-calendar"), QStringLiteral("Settings"),
        modHelp::EncodeSetting(QStringLiteral("Duration")),
        modHelp::EncodeSetting(QStringLiteral("2026-12-09")));
    EXPECT_EQ(valueOf(QStringLiteral("kq-pregnancy-calendar"), StoredDurationName), StoredDate);
}

TEST_F(RegistryRoot, ADateKeptByAnEarlierCopyIsReadBack)
{
    if (!WesternCodePage())
        GTEST_SKIP() << "the stored form is written out for code page 1252";
    const std::wstring key
        = (root + QStringLiteral("\\kq-pregnancy-calendar\\Settings")).toStdWString();
    HKEY handle = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                  nullptr, &handle, nullptr),
        ERROR_SUCCESS);
    ::RegSetValueExW(handle, StoredDurationName.c_str(), 0, REG_SZ,
        reinterpret_cast<const BYTE *>(StoredDate.c_str()),
        DWORD((StoredDate.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);

    kq::RegistrySettingsStore store(root);
    EXPECT_EQ(modHelp::DecodeSetting(store.read(QStringLiteral("kq-pregnancy-calendar"),
                  QStringLiteral("Settings"), modHelp::EncodeSetting(QStringLiteral("Duration")))),
        QStringLiteral("2026-12-09"));
}

TEST_F(RegistryRoot, EachApplicationNameHasItsOwnSettings)
{
    kq::RegistrySettingsStore store(root);
    const QString section = QStringLiteral("Settings");
    const QString key = modHelp::EncodeSetting(QStringLiteral("Duration"));
    EXPECT_EQ(store.read(QStringLiteral("kq-pregnancy-calendar"), section, key), QString());
    store.write(QStringLiteral("kq-pregnancy-calendar"), section, key, QStringLiteral("\u00c2"));
    store.write(QStringLiteral("kq-pregnancy-calendar"), section, key, QStringLiteral("\u00c3"));
    EXPECT_EQ(store.read(QStringLiteral("kq-pregnancy-calendar"), section, key),
        QStringLiteral("\u00c3"));
    EXPECT_EQ(store.read(QStringLiteral("renamed"), section, key), QString());
}

TEST(MutexInstanceGuard, ASecondCopyIsRecognisedUntilTheFirstEnds)
{
    const QString name = kq::InstanceMutexName(QUuid::createUuid().toString(QUuid::WithoutBraces));
    auto first = std::make_unique<kq::MutexInstanceGuard>(name);
    ASSERT_FALSE(first->anotherInstanceRunning());
    EXPECT_TRUE(first->holdsClaim());
    EXPECT_FALSE(first->anotherInstanceRunning()); // asking again keeps the claim

    kq::MutexInstanceGuard second(name);
    EXPECT_TRUE(second.anotherInstanceRunning());
    EXPECT_FALSE(second.holdsClaim());

    first.reset(); // the first copy ends
    kq::MutexInstanceGuard third(name);
    EXPECT_FALSE(third.anotherInstanceRunning());
    EXPECT_TRUE(third.holdsClaim());
}

TEST(ShowTopmost, TheWindowIsTopmostShownAndNotActivated)
{
    QWidget other;
    other.setGeometry(100, 100, 200, 100);
    other.show();
    other.activateWindow();
    QApplication::processEvents();

    QWidget window;
    window.setGeometry(150, 120, 240, 160);
    kq::ShowTopmost(window);
    QApplication::processEvents();
    const HWND hwnd = reinterpret_cast<HWND>(window.winId());
    EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_NE(::GetActiveWindow(), hwnd);
    EXPECT_EQ(window.geometry(), QRect(150, 120, 240, 160));
}

} // namespace

int main(int argc, char **argv)
{
    // The native platform: the topmost placement is a property of a real window.
    qputenv("QT_QPA_PLATFORM", "windows");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
