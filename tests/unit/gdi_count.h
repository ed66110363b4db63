// Counting this process's live GDI objects, for leak tests.
#pragma once
#include <windows.h>

// Wine's GetGuiResources is a stub that answers 0; there the shared handle table
// behind the process block is counted instead (24-byte entries, a live one has a
// non-zero type byte at offset 14).
inline int GdiObjectCount()
{
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count)
        return int(count);
    const BYTE* peb = nullptr;
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));  // the process block, as NtCurrentTeb() gives it
    const BYTE* table = *reinterpret_cast<BYTE* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < 0x4000; ++i)
        live += table[i * 24 + 14] != 0;
    return live;
}
