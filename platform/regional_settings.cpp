// Regional time settings through set-locale-information, mirrored as the device keeps them.
#include "platform/regional_settings.h"
#include "platform/scoped_win.h"
#include <cwchar>

namespace {

constexpr wchar_t kOverridesKey[] = L"nls\\overrides";
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
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kOverridesKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(capacity * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(out), &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        out[0] = L'\0';
        return false;
    }
    // A value that filled the buffer may lack its terminator.
    const size_t units = bytes / sizeof(wchar_t);
    out[units < capacity ? units : capacity - 1] = L'\0';
    return true;
}

bool SetTimeSettings(const wchar_t* pattern, const wchar_t* separator)
{
    const bool set = SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, pattern) &&
                     SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIME, separator);
    ScopedRegKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kOverridesKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr) ==
        ERROR_SUCCESS) {
        Mirror(key.get(), kTimePatternValue, pattern);
        Mirror(key.get(), kTimeSeparatorValue, separator);
    }
    return set;
}
