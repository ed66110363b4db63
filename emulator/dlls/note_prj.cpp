// The emulated handheld's storage-card enumeration (note_prj.dll): the device state's cards.
//
// A search holds the names as they were when it began; it ends, and is freed, when
// the next card is asked for after the last one.
#include "platform/storage_cards.h"
#include "platform/emulated/device_state.h"
#include <strsafe.h>

namespace {

struct CardSearch {
    std::vector<std::wstring> names;
    size_t next;
};

void Fill(FlashCardFindData* found, const std::wstring& name)
{
    *found = FlashCardFindData{};
    found->attributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY;   // how the handheld marks a card
    StringCchCopyW(found->fileName, kFlashCardNameCapacity, name.c_str());
}

} // namespace

extern "C" {

HANDLE WINAPI FindFirstFlashCard(FlashCardFindData* found)
{
    ULONGLONG ignored;
    if (!found || !ReadDeviceQword(device_value::StorageTotal, &ignored))
        return INVALID_HANDLE_VALUE;
    auto* search = new CardSearch{{}, 0};
    for (const StorageCardState& card : ReadDeviceState().cards)
        search->names.push_back(card.name);
    if (search->names.empty()) {
        delete search;
        return INVALID_HANDLE_VALUE;
    }
    Fill(found, search->names[search->next++]);
    return search;
}

BOOL WINAPI FindNextFlashCard(HANDLE handle, FlashCardFindData* found)
{
    auto* search = static_cast<CardSearch*>(handle);
    if (!search || handle == INVALID_HANDLE_VALUE || !found)
        return FALSE;
    if (search->next >= search->names.size()) {
        delete search;
        return FALSE;
    }
    Fill(found, search->names[search->next++]);
    return TRUE;
}

} // extern "C"
