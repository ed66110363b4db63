// Reading and writing the sound settings without ever creating a key.
#include "bar/status/sound_registry.h"
#include "platform/registry_value.h"
#include "platform/scoped_win.h"
#include <cwchar>

namespace {

bool OpenSoundKey(const wchar_t* key, REGSAM access, ScopedRegKey& opened)
{
    return RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, access, opened.out()) == ERROR_SUCCESS;
}

} // namespace

bool ReadSoundDword(const wchar_t* key, const wchar_t* value, DWORD* out)
{
    return ReadRegistryDword(HKEY_CURRENT_USER, key, value, out);
}

DWORD SoundDwordOrZero(const wchar_t* key, const wchar_t* value)
{
    DWORD data = 0;
    return ReadSoundDword(key, value, &data) ? data : 0;
}

void WriteSoundDword(const wchar_t* key, const wchar_t* value, DWORD data)
{
    ScopedRegKey opened;
    if (OpenSoundKey(key, KEY_SET_VALUE, opened))
        RegSetValueExW(opened.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
}

bool ReadSoundText(const wchar_t* key, const wchar_t* value, wchar_t* out, size_t capacity)
{
    ScopedRegKey opened;
    if (capacity == 0 || !OpenSoundKey(key, KEY_QUERY_VALUE, opened))
        return false;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>((capacity - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(opened.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(out), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        out[0] = L'\0';
        return false;
    }
    // The stored text need not end in a terminator; the reserved unit holds one.
    out[size / sizeof(wchar_t)] = L'\0';
    return true;
}

void WriteSoundText(const wchar_t* key, const wchar_t* value, const wchar_t* text)
{
    ScopedRegKey opened;
    if (OpenSoundKey(key, KEY_SET_VALUE, opened)) {
        DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
        RegSetValueExW(opened.get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    }
}
