// The bar's button table and its order and visibility rules (the words and ids: common/order_words.h).
#pragma once
#include <windows.h>
#include "common/order_words.h"

constexpr int kBarHeight = 26;   // the bar's height in pixels at scale 1
constexpr int kButtonCount = 12;
constexpr int kSignalLevels = 5;

struct ButtonRecord {
    HBITMAP normalImage;
    HBITMAP pressedImage;
    int width;      // pixel size of the normal image
    int height;
    RECT rect;      // place on the bar, set by the layout
    BOOL shown;
    BOOL enabled;
    BOOL pressed;
    int id;         // ButtonId
};

struct ButtonTable {
    ButtonRecord slots[kButtonCount];
};

struct SignalImageSet {
    ButtonRecord levels[kSignalLevels];
};

// The table as a fresh skin load leaves it (before images): slot n holds id n,
// shown, enabled, not pressed.
ButtonTable LoadedButtonTable();

// The first slot holding id, or -1.
int FindSlotById(const ButtonTable& table, int id);

// Rearranges table after the Order text: the first token goes to the highest slot
// (11 with a phone, 10 without), which the layout places leftmost. Slot 0 always
// keeps the start menu button.
void ApplyOrderText(ButtonTable& table, const wchar_t* order, bool phone);

// Sets the shown flags from Order and Display: one Display character per token,
// known or not; "1" shows, anything else (or no character) hides.
void ApplyVisibilityText(ButtonTable& table, const wchar_t* order, const wchar_t* display);

// Calls visit for each non-empty token of an Order text (at most 19 characters each).
void ForEachOrderToken(const wchar_t* order, void (*visit)(const wchar_t* token, void* context), void* context);
