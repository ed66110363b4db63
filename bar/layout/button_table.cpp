// Storage of the button table and signal set, and their writers between loads.
#include "bar/layout/button_table.h"

ButtonTable buttonTable = {};
SignalImageSet signalImages = {};

void InstallButtons(const ButtonTable& buttons, const SignalImageSet& signal)
{
    buttonTable = buttons;
    signalImages = signal;
}

bool InButtonRect(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void SetButtonsPressed(const POINT* point, bool phone, int signalLevel)
{
    if (!point) {
        for (ButtonRecord& record : buttonTable.slots)
            record.pressed = FALSE;
        if (phone)
            for (ButtonRecord& record : signalImages.levels)
                record.pressed = FALSE;
        return;
    }
    for (ButtonRecord& record : buttonTable.slots)
        if (InButtonRect(record.rect, *point))
            record.pressed = TRUE;
    if (phone && signalLevel >= 0 && signalLevel < kSignalLevels &&
        InButtonRect(signalImages.levels[signalLevel].rect, *point)) {
        for (ButtonRecord& record : signalImages.levels)
            record.pressed = FALSE;
        signalImages.levels[signalLevel].pressed = TRUE;
    }
}

void ShowButton(int id, bool shown, bool enabled)
{
    int slot = FindSlotById(buttonTable, id);
    if (slot < 0)
        return;
    buttonTable.slots[slot].shown = shown;
    buttonTable.slots[slot].enabled = enabled;
}
