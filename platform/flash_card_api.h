// What note_prj.dll exports for storage cards: the records and calls both the
// caller (platform/storage_cards.cpp) and the device's library agree on.
#pragma once
#include <windows.h>
#include <cstddef>

constexpr wchar_t kFlashCardLibrary[] = L"note_prj.dll";
constexpr int kFindFirstFlashCardOrdinal = 7;
constexpr int kFindNextFlashCardOrdinal = 8;
constexpr size_t kFlashCardNameCapacity = 260;

// The handheld's find-data record: 560 bytes, the card's folder name at offset 40.
struct FlashCardFindData {
    DWORD attributes;
    FILETIME creationTime;
    FILETIME lastAccessTime;
    FILETIME lastWriteTime;
    DWORD sizeHigh;
    DWORD sizeLow;
    DWORD objectId;
    wchar_t fileName[kFlashCardNameCapacity];
};
static_assert(sizeof(FlashCardFindData) == 560, "find-data record of the handheld");
static_assert(offsetof(FlashCardFindData, fileName) == 40, "card name at offset 40");

// First card: fills the record and returns a search handle, or
// INVALID_HANDLE_VALUE when there is no card. Next card: non-zero while one was
// found. The library releases the search when it reports the end.
typedef HANDLE (WINAPI* FindFirstFlashCardProc)(FlashCardFindData* found);
typedef BOOL (WINAPI* FindNextFlashCardProc)(HANDLE search, FlashCardFindData* found);
