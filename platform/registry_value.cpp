// Reading one 32-bit registry number.
#include "platform/registry_value.h"
#include "platform/scoped_win.h"

bool ReadRegistryDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD* out)
{
    ScopedRegKey opened;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, opened.out()) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(opened.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data))
        return false;
    *out = data;
    return true;
}
