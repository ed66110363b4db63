// Storage-card enumeration through note_prj.dll, loaded when asked.
#include "platform/storage_cards.h"
#include "platform/scoped_win.h"
#include <strsafe.h>

std::vector<std::wstring> StorageCardFolders()
{
    std::vector<std::wstring> folders;
    ScopedModule library(LoadLibraryW(kFlashCardDll));
    if (!library.get())
        return folders;
    auto findFirst = reinterpret_cast<FindFirstFlashCardProc>(
        reinterpret_cast<void*>(GetProcAddress(library.get(), MAKEINTRESOURCEA(kFindFirstFlashCardOrdinal))));
    auto findNext = reinterpret_cast<FindNextFlashCardProc>(
        reinterpret_cast<void*>(GetProcAddress(library.get(), MAKEINTRESOURCEA(kFindNextFlashCardOrdinal))));
    if (!findFirst || !findNext)
        return folders;
    FlashCardFindData found = {};
    HANDLE search = findFirst(&found);
    if (search == INVALID_HANDLE_VALUE || !search)
        return folders;
    // A name is read only up to the record's end, terminated or not.
    do {
        size_t length = 0;
        if (FAILED(StringCchLengthW(found.fileName, kFlashCardNameCapacity, &length)))
            length = kFlashCardNameCapacity;   // unterminated: the whole field
        folders.emplace_back(found.fileName, length);
        found = FlashCardFindData{};
    } while (findNext(search, &found));
    FindClose(search);
    return folders;
}
