// The device panel's rows: what each shows of the device state and what its buttons change.
// Pure functions over DeviceState, so the panel window only paints, hit-tests and writes.
#pragma once
#include "platform/emulated/device_state.h"
#include <string>
#include <vector>

namespace emu {

enum class PanelPage { Power, Phone };

enum class PanelAction {
    BatteryDown, BatteryUp, ChargingToggle, MemoryDown, MemoryUp, StorageDown, StorageUp,
    RemoveCard, InsertCard, PhoneToggle, RadioToggle, SignalDown, SignalUp, DataToggle,
    VolumeDown, VolumeUp, Rotate, Reset,
};

struct PanelButton {
    std::wstring text;
    PanelAction action;
    int index;   // RemoveCard: the card's place in state.cards
};

struct PanelRow {
    std::wstring label;
    std::wstring value;
    std::vector<PanelButton> buttons;   // left to right, at the row's right end
};

// screen: the screen's size now (the Phone page's Screen row shows it).
std::vector<PanelRow> PanelRows(PanelPage page, const DeviceState& state, SIZE screen);

// The state after the button's action. Reset and Rotate change nothing here: the
// panel resets the device or has the shell turn the screen itself.
DeviceState ApplyPanelAction(const DeviceState& state, const PanelButton& button);

// The signal level (0-4) the panel shows for a line's signal field, and the field it
// writes for a level: one value well inside each fifth of the range.
int PanelSignalLevel(DWORD signal);
DWORD PanelSignalField(int level);

// Geometry at a scale (1, or 2 on high-resolution screens), for a client width.
struct PanelGeometry {
    int tabHeight;
    int rowHeight;
    RECT TabRect(int tab, int width) const;                 // tab 0 Power, 1 Phone
    RECT RowRect(int row, int width) const;
    // Button b of row, given every button of the row (right-aligned, in order).
    RECT ButtonRect(const PanelRow& row, int row_index, size_t b, int width) const;
    int scale;
};
PanelGeometry PanelGeometryFor(int scale);

} // namespace emu
