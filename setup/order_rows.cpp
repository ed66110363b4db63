// Splitting and joining the Order text as the Order page does.
#include "setup/order_rows.h"
#include <cwchar>

std::vector<const OrderToken*> OrderRowsFromText(const wchar_t* order)
{
    std::vector<const OrderToken*> rows;
    const wchar_t* start = order;
    while (*start) {
        const wchar_t* comma = wcschr(start, L',');
        // A comma that ends the text is part of the last word.
        const bool split = comma && comma[1] != L'\0';
        const size_t length = split ? static_cast<size_t>(comma - start) : wcslen(start);
        if (length < kOrderWordCapacity) {
            const std::wstring word(start, length);
            if (const OrderToken* token = FindOrderToken(word.c_str()))
                rows.push_back(token);
        }
        if (!split)
            break;
        start = comma + 1;
    }
    return rows;
}

StoredOrder StoreOrderRows(const std::vector<OrderRow>& rows, int rowCount)
{
    StoredOrder stored;
    for (int i = 0; i < rowCount; ++i) {
        const bool exists = i < static_cast<int>(rows.size());
        const OrderToken* token = exists ? FindOrderTokenByRowText(rows[i].text.c_str()) : nullptr;
        if (token) {
            if (!stored.order.empty())
                stored.order += L',';
            stored.order += token->word;
        }
        stored.display += exists && rows[i].checked ? L'1' : L'0';
    }
    return stored;
}

int StoredRowCount(bool cellularLine)
{
    return cellularLine ? 8 : 7;
}

int MoveTarget(int mark, int delta, int rowCount)
{
    if (mark < 0)
        return -1;
    const int target = mark + delta;
    return target >= 0 && target < rowCount ? target : -1;
}
