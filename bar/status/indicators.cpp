// Signal, connection and volume indicators, refreshed every few seconds.
#include "bar/status/indicators.h"
#include "bar/status/readings.h"
#include "bar/config/buttons.h"
#include "bar/layout/bar_state.h"
#include "bar/layout/button_table.h"
#include "bar/layout/repaint.h"

namespace {

constexpr int kUnknownChoice = -1;
int lastVolumeChoice = kUnknownChoice;       // 0 mute shown, 1 volume shown
int lastConnectionChoice = kUnknownChoice;   // 0 disconnect shown, 1 connection shown

const ButtonRecord* Record(int id)
{
    int slot = FindSlotById(buttonTable, id);
    return slot >= 0 ? &buttonTable.slots[slot] : nullptr;
}

// Shows first or second of a pair as read() decides. A pair whose records are both
// hidden (by the Display setting) is not in use: read() is not called and the pair
// keeps its last choice.
template <typename Read>
int ChoosePair(int first, int second, Read read, int lastChoice)
{
    const ButtonRecord* a = Record(first);
    const ButtonRecord* b = Record(second);
    if (!a || !b || (!a->shown && !b->shown))
        return lastChoice;
    const bool showFirst = read();
    ShowButton(first, showFirst, a->enabled != FALSE);
    ShowButton(second, !showFirst, b->enabled != FALSE);
    return showFirst ? 1 : 0;
}

} // namespace

bool RefreshStatusIndicators()
{
    int level = SignalLevel;
    if (PhoneEdition)
        level = ReadSignalLevel();
    firstPaintedSlot = PhoneEdition ? 0 : 1;
    const int volumeChoice = ChoosePair(BUTTON_VOLUME, BUTTON_MUTE, [] { return !IsMuted(); }, lastVolumeChoice);
    const int connectionChoice = ChoosePair(BUTTON_CONNECTION, BUTTON_DISCONNECT, IsInternetConnected, lastConnectionChoice);

    const bool changed = level != SignalLevel || volumeChoice != lastVolumeChoice || connectionChoice != lastConnectionChoice;
    SignalLevel = level;
    lastVolumeChoice = volumeChoice;
    lastConnectionChoice = connectionChoice;
    if (changed)
        RelayoutAndRepaintNow();
    return changed;
}
