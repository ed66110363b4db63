// Storage cards, enumerated through the platform library note_prj.dll.
#pragma once
#include <string>
#include <vector>

// The folder names of the storage cards in the order the library reports them
// (first card, then next until there is none). Names are passed on as the
// library gives them, empty ones included. No library, or no card: empty.
// The library is loaded for the call and released after it.
std::vector<std::wstring> StorageCardFolders();
