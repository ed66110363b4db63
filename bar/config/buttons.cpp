// Order and visibility of the bar's buttons.
#include "bar/config/buttons.h"
#include <cwchar>

namespace {

struct OrderWork {
    const ButtonTable* loaded;
    ButtonTable* working;
    int target;
};

void PlaceRecord(OrderWork& work, int id)
{
    // Hand-written lists may name a button twice; never reach the start button's slot.
    int source = FindSlotById(*work.loaded, id);
    if (work.target < 1 || source < 0)
        return;
    work.working->slots[work.target] = work.loaded->slots[source];
    --work.target;
}

void PlaceToken(const wchar_t* word, void* context)
{
    const OrderToken* token = FindOrderToken(word);
    if (!token)
        return;
    OrderWork& work = *static_cast<OrderWork*>(context);
    PlaceRecord(work, token->first);
    if (token->second >= 0)
        PlaceRecord(work, token->second);
}

struct VisibilityWork {
    ButtonTable* table;
    const wchar_t* display;
    size_t displayLength;
    size_t position;
};

void SetShown(ButtonTable& table, int id, bool shown)
{
    int slot = FindSlotById(table, id);
    if (slot >= 0)
        table.slots[slot].shown = shown;
}

void ShowToken(const wchar_t* word, void* context)
{
    VisibilityWork& work = *static_cast<VisibilityWork*>(context);
    size_t position = work.position++;
    const OrderToken* token = FindOrderToken(word);
    if (!token)
        return;
    bool shown = position < work.displayLength && work.display[position] == L'1';
    SetShown(*work.table, token->first, shown);
    if (token->second >= 0)
        SetShown(*work.table, token->second, shown);
}

} // namespace

ButtonTable LoadedButtonTable()
{
    ButtonTable table = {};
    for (int slot = 0; slot < kButtonCount; ++slot) {
        table.slots[slot].shown = TRUE;
        table.slots[slot].enabled = TRUE;
        table.slots[slot].id = slot;
    }
    return table;
}

int FindSlotById(const ButtonTable& table, int id)
{
    for (int slot = 0; slot < kButtonCount; ++slot)
        if (table.slots[slot].id == id)
            return slot;
    return -1;
}

void ForEachOrderToken(const wchar_t* order, void (*visit)(const wchar_t* token, void* context), void* context)
{
    wchar_t token[kOrderWordCapacity];
    size_t length = 0;
    for (const wchar_t* p = order;; ++p) {
        if (*p == L',' || *p == L'\0') {
            token[length] = L'\0';
            if (length > 0)
                visit(token, context);
            length = 0;
            if (*p == L'\0')
                break;
        } else if (length < kOrderWordCapacity - 1) {
            token[length++] = *p;
        }
    }
}

void ApplyOrderText(ButtonTable& table, const wchar_t* order, bool phone)
{
    const ButtonTable loaded = table;
    ButtonTable working = table;
    OrderWork work{&loaded, &working, phone ? 11 : 10};
    ForEachOrderToken(order, PlaceToken, &work);
    working.slots[0] = loaded.slots[0];
    table = working;
}

void ApplyVisibilityText(ButtonTable& table, const wchar_t* order, const wchar_t* display)
{
    VisibilityWork work{&table, display, wcslen(display), 0};
    ForEachOrderToken(order, ShowToken, &work);
}
