// Counting this process's live GDI objects, for leak tests.
#pragma once
#include <windows.h>
#include <winternl.h>

// Wine's GetGuiResources is a stub that answers 0; there the shared handle table
// behind the process block is counted instead (24-byte entries, a live one has a
// non-zero type byte at offset 14, on 32 and 64 bits alike).
inline int GdiObjectCount()
{
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count)
        return int(count);
    PROCESS_BASIC_INFORMATION process{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof(process), nullptr) != 0)
        return -1;
    const BYTE* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    // The table's place in the process block: 0x94 for a 32-bit process, 0xF8 for a 64-bit one.
    const size_t tableOffset = sizeof(void*) == 4 ? 0x94 : 0xF8;
    const BYTE* table = *reinterpret_cast<BYTE* const*>(peb + tableOffset);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < 0x4000; ++i)
        live += table[i * 24 + 14] != 0;
    return live;
}
