// Storage cards, enumerated through the handheld's note_prj.dll, loaded at run time.
//
// The record and the two operations are the handheld's; where the library is absent
// (a desktop, a device without it) there are no cards.
#pragma once
#include <windows.h>
#include <cstddef>
#include <string>
#include <vector>

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
static_assert(sizeof(FlashCardFindData) == 560, "the handheld's find-data record is 560 bytes");
static_assert(offsetof(FlashCardFindData, fileName) == 40, "the card's name lies at offset 40");

// The library and its two operations, by ordinal as on the handheld. First card:
// fills the record and returns a search handle, or INVALID_HANDLE_VALUE when there
// is no card. Next card: non-zero while one was found. The caller closes the
// search with FindClose, as any file search.
constexpr wchar_t kFlashCardDll[] = L"note_prj.dll";
constexpr WORD kFindFirstFlashCardOrdinal = 7;
constexpr WORD kFindNextFlashCardOrdinal = 8;
typedef HANDLE (WINAPI* FindFirstFlashCardProc)(FlashCardFindData* found);
typedef BOOL (WINAPI* FindNextFlashCardProc)(HANDLE search, FlashCardFindData* found);

// The folder names of the storage cards in the order the library reports them
// (first card, then next until there is none), empty names included. No library,
// or no card: empty. The library is loaded for the call and released after it.
std::vector<std::wstring> StorageCardFolders();
