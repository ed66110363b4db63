// Signal, connection and volume indicators, refreshed every few seconds.
#include "bar/status/indicators.h"
#include "bar/config/buttons.h"
#include "bar/config/skin.h"
#include "bar/core/bar_state.h"
#include "bar/core/paint.h"
#include "platform/device_state.h"

int SignalLevel = 0;

namespace {

int lastVolumeChoice = -1;       // 0 mute shown, 1 volume shown
int lastConnectionChoice = -1;   // 0 disconnect shown, 1 connection shown

ButtonRecord* Record(int id)
{
    int slot = FindSlotById(buttonTable, id);
    return slot >= 0 ? &buttonTable.slots[slot] : nullptr;
}

// Shows first or second of a pair; a pair whose records are both hidden (by the
// Display setting) is not in use and keeps its last choice.
int ChoosePair(int first, int second, bool showFirst, int lastChoice)
{
    ButtonRecord* a = Record(first);
    ButtonRecord* b = Record(second);
    if (!a || !b || (!a->shown && !b->shown))
        return lastChoice;
    a->shown = showFirst;
    b->shown = !showFirst;
    return showFirst ? 1 : 0;
}

int ReadSignalLevel(int previous)
{
    return SignalLevelFromStrength(ReadDeviceDword(device_value::SignalStrength, 0), previous);
}

bool IsMuted()
{
    return ReadDeviceDword(device_value::WaveVolume, 0xFFFFFFFF) == 0;
}

bool IsInternetConnected()
{
    return ReadDeviceDword(device_value::InternetConnected, 0) != 0;
}

} // namespace

int SignalLevelFromStrength(DWORD signal, int previousLevel)
{
    if (signal == 0)
        return 0;
    int percent = static_cast<int>(static_cast<double>(signal * 100) * (1.0 / 65535.0));
    if (percent <= 0)
        return previousLevel;
    if (percent <= 25)
        return 1;
    if (percent <= 50)
        return 2;
    if (percent <= 75)
        return 3;
    return 4;
}

bool RefreshStatusIndicators()
{
    int level = PhoneEdition ? ReadSignalLevel(SignalLevel) : SignalLevel;
    int volumeChoice = ChoosePair(BUTTON_VOLUME, BUTTON_MUTE, !IsMuted(), lastVolumeChoice);
    int connectionChoice = lastConnectionChoice;
    ButtonRecord* connection = Record(BUTTON_CONNECTION);
    ButtonRecord* disconnect = Record(BUTTON_DISCONNECT);
    if (connection && disconnect && (connection->shown || disconnect->shown))
        connectionChoice = ChoosePair(BUTTON_CONNECTION, BUTTON_DISCONNECT, IsInternetConnected(), lastConnectionChoice);

    bool changed = level != SignalLevel || volumeChoice != lastVolumeChoice || connectionChoice != lastConnectionChoice;
    SignalLevel = level;
    lastVolumeChoice = volumeChoice;
    lastConnectionChoice = connectionChoice;
    if (changed && barWindow)
        RepaintBarNow(barWindow);
    return changed;
}
