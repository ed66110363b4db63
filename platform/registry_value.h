// Reading one 32-bit registry number: what the clock settings and the sound settings share.
#pragma once
#include <windows.h>

// True with *out set when root\key holds value as a REG_DWORD; an absent key, an
// absent value or another type gives false and leaves *out as it was. Never creates a key.
bool ReadRegistryDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD* out);
