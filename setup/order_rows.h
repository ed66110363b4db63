// The Order page's rules without the list control: words to rows, rows to settings.
#pragma once
#include <string>
#include <vector>
#include "common/order_words.h"

// The rows an Order text yields, in order: the text is split at each ",", except
// that a "," ending the text stays on the last word; only words spelled exactly as
// one of the eight make a row (repeats too); every other word is dropped.
std::vector<const OrderToken*> OrderRowsFromText(const wchar_t* order);

// One row of the list as StorePage reads it.
struct OrderRow {
    std::wstring text;   // row text
    bool checked;
};

struct StoredOrder {
    std::wstring order;     // words of the first rowCount rows, joined with ","
    std::wstring display;   // rowCount characters "1"/"0"
};

// What StorePage keeps of the list: the first rowCount rows (a missing row stores
// no word and "0"); a row text that names no word stores no word but its mark.
StoredOrder StoreOrderRows(const std::vector<OrderRow>& rows, int rowCount);

// Rows the page stores: 8 with a cellular line, else 7.
int StoredRowCount(bool cellularLine);

// The row a move of delta from mark lands on, or -1 when nothing moves.
int MoveTarget(int mark, int delta, int rowCount);
