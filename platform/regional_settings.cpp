// Regional time settings through set-locale-information, mirrored as the device keeps them.
#include "platform/regional_settings.h"
#include "platform/scoped_win.h"
#include <strsafe.h>
#include <cwchar>
#include <vector>

namespace {

constexpr LCID kSystemDefaultLocale = 0x800;

void Mirror(HKEY key, const wchar_t* name, const wchar_t* value)
{
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

} // namespace

bool ReadTimeSetting(const wchar_t* name, wchar_t* out, size_t capacity)
{
    if (capacity == 0)
        return false;
    out[0] = L'\0';
    ScopedRegKey key;
    DWORD type = 0, bytes = 0;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRegionalOverridesKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS ||
        RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    // Read whole, then cut: a value longer than the caller's buffer is no failure.
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return false;
    StringCchCopyW(out, capacity, value.data());
    return true;
}

bool SetTimeSettings(const wchar_t* pattern, const wchar_t* separator)
{
    const bool set = SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, pattern) &&
                     SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIME, separator);
    ScopedRegKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRegionalOverridesKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr) ==
        ERROR_SUCCESS) {
        Mirror(key.get(), kTimePatternValue, pattern);
        Mirror(key.get(), kTimeSeparatorValue, separator);
    }
    return set;
}

void AdoptTimeSettings()
{
    wchar_t pattern[80], separator[8], current[80];
    if (!ReadTimeSetting(kTimePatternValue, pattern, 80) || !ReadTimeSetting(kTimeSeparatorValue, separator, 8))
        return;
    // Setting a value refreshes this process's copy; only a changed one is set.
    if (!GetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, current, 80) || wcscmp(current, pattern) != 0)
        SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, pattern);
    if (!GetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIME, current, 80) || wcscmp(current, separator) != 0)
        SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIME, separator);
}
