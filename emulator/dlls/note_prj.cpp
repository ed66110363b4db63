// The emulated handheld's storage-card enumeration (note_prj.dll): the device state's cards.
//
// As on the handheld, a search is closed with FindClose: its handle is a real file
// search (of this library's own file), and the card names it holds, taken when it
// began, are freed when the next card is asked for after the last one.
#include "platform/storage_cards.h"
#include "platform/emulated/device_state.h"
#include <strsafe.h>
#include <map>
#include <mutex>

namespace {

struct CardSearch {
    std::vector<std::wstring> names;
    size_t next;
};

std::mutex searchesLock;
std::map<HANDLE, CardSearch> searches;

void Fill(FlashCardFindData* found, const std::wstring& name)
{
    *found = FlashCardFindData{};
    found->attributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY;   // how the handheld marks a card
    StringCchCopyW(found->fileName, kFlashCardNameCapacity, name.c_str());
}

// A handle that FindClose accepts and frees.
HANDLE OpenFileSearch()
{
    HMODULE self = nullptr;
    wchar_t path[MAX_PATH] = L"";
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&Fill), &self) ||
        !GetModuleFileNameW(self, path, MAX_PATH))
        return INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW data;
    return FindFirstFileW(path, &data);
}

} // namespace

extern "C" {

HANDLE WINAPI FindFirstFlashCard(FlashCardFindData* found)
{
    ULONGLONG ignored;
    if (!found || !ReadDeviceQword(device_value::StorageTotal, &ignored))
        return INVALID_HANDLE_VALUE;
    CardSearch search{{}, 0};
    for (const StorageCardState& card : ReadDeviceState().cards)
        search.names.push_back(card.name);
    if (search.names.empty())
        return INVALID_HANDLE_VALUE;
    HANDLE handle = OpenFileSearch();
    if (handle == INVALID_HANDLE_VALUE)
        return INVALID_HANDLE_VALUE;
    Fill(found, search.names[search.next++]);
    std::lock_guard<std::mutex> lock(searchesLock);
    searches[handle] = std::move(search);
    return handle;
}

BOOL WINAPI FindNextFlashCard(HANDLE handle, FlashCardFindData* found)
{
    std::lock_guard<std::mutex> lock(searchesLock);
    auto search = searches.find(handle);
    if (search == searches.end() || !found)
        return FALSE;
    if (search->second.next >= search->second.names.size()) {
        searches.erase(search);
        return FALSE;
    }
    Fill(found, search->second.names[search->second.next++]);
    return TRUE;
}

} // extern "C"
