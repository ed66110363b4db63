// The regional time settings service: what another program set reaches this one's clock.
#include <gtest/gtest.h>
#include <windows.h>
#include "platform/regional_settings.h"

TEST(RegionalSettings, AdoptedSettingsFormatTheClockAndReadBack)
{
    constexpr LCID kSystemDefault = 0x800;
    wchar_t pattern[80] = L"", separator[8] = L"";
    GetLocaleInfoW(kSystemDefault, LOCALE_STIMEFORMAT, pattern, 80);
    GetLocaleInfoW(kSystemDefault, LOCALE_STIME, separator, 8);

    // As the setup program leaves them, written here by hand as another process would.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"nls\\overrides", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"STFmt", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"HH.mm.ss"), 9 * sizeof(wchar_t));
    RegSetValueExW(key, L"STime", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"."), 2 * sizeof(wchar_t));
    RegCloseKey(key);

    AdoptTimeSettings();
    SYSTEMTIME time{2024, 1, 1, 1, 21, 5, 7, 0};
    wchar_t text[32] = L"";
    GetTimeFormatW(kSystemDefault, TIME_NOSECONDS | TIME_NOTIMEMARKER, &time, nullptr, text, 32);
    EXPECT_STREQ(text, L"21.05");
    wchar_t read[4] = L"";
    EXPECT_TRUE(ReadTimeSetting(kTimePatternValue, read, 4));   // cut to fit
    EXPECT_STREQ(read, L"HH.");

    SetLocaleInfoW(kSystemDefault, LOCALE_STIMEFORMAT, pattern);
    SetLocaleInfoW(kSystemDefault, LOCALE_STIME, separator);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"nls\\overrides");
    EXPECT_FALSE(ReadTimeSetting(kTimeSeparatorValue, read, 4));
}
