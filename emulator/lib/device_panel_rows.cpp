// The device panel's rows and the state changes behind their buttons.
#include "emulator/lib/device_panel_rows.h"
#include <strsafe.h>
#include <algorithm>

namespace emu {

namespace {

constexpr DWORD kNoBattery = 255;
constexpr ULONGLONG kMB = 1ull << 20;
constexpr DWORD kSignalFields[5] = {0, 0x2000, 0x6000, 0xA000, 0xFFFF};

// Cards a person can insert, in order; the first one not in the device goes in.
const StorageCardState kCardsToInsert[] = {
    {L"Storage Card", 512 * kMB, 300 * kMB},
    {L"SD Card", 1024 * kMB, 900 * kMB},
    {L"CF Card", 256 * kMB, 12 * kMB},
};

std::wstring Format(const wchar_t* pattern, ULONGLONG a, ULONGLONG b = 0)
{
    wchar_t text[64];
    StringCchPrintfW(text, 64, pattern, a, b);
    return text;
}

std::wstring OnOff(bool on)
{
    return on ? L"on" : L"off";
}

PanelButton Toggle(bool on, PanelAction action)
{
    return {on ? L"Off" : L"On", action, 0};
}

std::vector<PanelButton> Stepper(PanelAction down, PanelAction up)
{
    return {{L"-", down, 0}, {L"+", up, 0}};
}

TelephonyLineState* CellularLine(DeviceState& state)
{
    for (TelephonyLineState& line : state.lines)
        if (line.name == kCellularLineName)
            return &line;
    return nullptr;
}

const TelephonyLineState* CellularLine(const DeviceState& state)
{
    return CellularLine(const_cast<DeviceState&>(state));
}

DWORD VolumePercent(DWORD waveVolume)
{
    return (waveVolume & 0xFFFF) * 100 / 0xFFFF;
}

DWORD WaveVolumeFor(int percent)
{
    const DWORD channel = static_cast<DWORD>(std::clamp(percent, 0, 100)) * 0xFFFF / 100;
    return channel | (channel << 16);
}

std::vector<PanelRow> PowerRows(const DeviceState& s)
{
    std::vector<PanelRow> rows;
    rows.push_back({L"Battery", s.batteryPercent > 100 ? L"none" : Format(L"%llu %%", s.batteryPercent),
                    Stepper(PanelAction::BatteryDown, PanelAction::BatteryUp)});
    rows.push_back({L"Charging", OnOff(s.charging != 0), {Toggle(s.charging != 0, PanelAction::ChargingToggle)}});
    rows.push_back({L"Memory", Format(L"%llu/%llu MB", s.memoryFree / kMB, s.memoryTotal / kMB),
                    Stepper(PanelAction::MemoryDown, PanelAction::MemoryUp)});
    rows.push_back({L"Storage", Format(L"%llu/%llu MB", s.storageFree / kMB, s.storageTotal / kMB),
                    Stepper(PanelAction::StorageDown, PanelAction::StorageUp)});
    for (size_t i = 0; i < s.cards.size(); ++i) {
        const StorageCardState& card = s.cards[i];
        rows.push_back({card.name, Format(L"%llu/%llu MB", card.freeBytes / kMB, card.totalBytes / kMB),
                        {{L"Remove", PanelAction::RemoveCard, static_cast<int>(i)}}});
    }
    if (s.cards.size() < std::size(kCardsToInsert))
        rows.push_back({L"Cards", Format(L"%llu in", s.cards.size()), {{L"Insert", PanelAction::InsertCard, 0}}});
    return rows;
}

std::vector<PanelRow> PhoneRows(const DeviceState& s, SIZE screen)
{
    const TelephonyLineState* line = CellularLine(s);
    const bool radio = line && line->failsAt == LineStep::None;
    std::vector<PanelRow> rows;
    rows.push_back({L"Phone", line ? L"yes (reset)" : L"no (reset)", {Toggle(line != nullptr, PanelAction::PhoneToggle)}});
    if (line) {
        rows.push_back({L"Radio", OnOff(radio), {Toggle(radio, PanelAction::RadioToggle)}});
        rows.push_back({L"Signal", Format(L"%llu of 4", PanelSignalLevel(line->signal)),
                        Stepper(PanelAction::SignalDown, PanelAction::SignalUp)});
    }
    const bool data = s.connection == ConnectionAnswer::Connected;
    rows.push_back({L"Data", OnOff(data), {Toggle(data, PanelAction::DataToggle)}});
    rows.push_back({L"Volume", Format(L"%llu %%", VolumePercent(s.waveVolume)), Stepper(PanelAction::VolumeDown, PanelAction::VolumeUp)});
    rows.push_back({L"Screen", Format(L"%llux%llu", static_cast<ULONGLONG>(screen.cx), static_cast<ULONGLONG>(screen.cy)),
                    {{L"Rotate", PanelAction::Rotate, 0}}});
    rows.push_back({L"Device", L"", {{L"Reset", PanelAction::Reset, 0}}});
    return rows;
}

ULONGLONG Step(ULONGLONG value, ULONGLONG total, ULONGLONG step, bool up)
{
    if (up)
        return std::min(total, value + step);
    return value > step ? value - step : 0;
}

void InsertCard(DeviceState& s)
{
    for (const StorageCardState& card : kCardsToInsert) {
        const bool present = std::any_of(s.cards.begin(), s.cards.end(),
                                         [&](const StorageCardState& c) { return c.name == card.name; });
        if (!present) {
            s.cards.push_back(card);
            return;
        }
    }
}

} // namespace

int PanelSignalLevel(DWORD signal)
{
    int level = 0;
    for (int i = 1; i < 5; ++i)
        if (signal >= kSignalFields[i])
            level = i;
    return level;
}

DWORD PanelSignalField(int level)
{
    return kSignalFields[std::clamp(level, 0, 4)];
}

std::vector<PanelRow> PanelRows(PanelPage page, const DeviceState& state, SIZE screen)
{
    return page == PanelPage::Power ? PowerRows(state) : PhoneRows(state, screen);
}

DeviceState ApplyPanelAction(const DeviceState& state, const PanelButton& button)
{
    DeviceState s = state;
    TelephonyLineState* line = CellularLine(s);
    const int battery = s.batteryPercent > 100 ? -10 : static_cast<int>(s.batteryPercent);
    switch (button.action) {
    case PanelAction::BatteryDown: s.batteryPercent = battery <= 0 ? kNoBattery : static_cast<DWORD>(std::max(0, battery - 10)); break;
    case PanelAction::BatteryUp: s.batteryPercent = static_cast<DWORD>(std::min(100, battery + 10)); break;
    case PanelAction::ChargingToggle: s.charging = s.charging ? 0 : 1; break;
    case PanelAction::MemoryDown: case PanelAction::MemoryUp:
        s.memoryFree = Step(s.memoryFree, s.memoryTotal, 4 * kMB, button.action == PanelAction::MemoryUp); break;
    case PanelAction::StorageDown: case PanelAction::StorageUp:
        s.storageFree = Step(s.storageFree, s.storageTotal, 8 * kMB, button.action == PanelAction::StorageUp); break;
    case PanelAction::RemoveCard:
        if (button.index >= 0 && static_cast<size_t>(button.index) < s.cards.size())
            s.cards.erase(s.cards.begin() + button.index);
        break;
    case PanelAction::InsertCard: InsertCard(s); break;
    case PanelAction::PhoneToggle:
        if (line)
            s.lines.clear();
        else
            s.lines = DeviceState().lines;
        break;
    case PanelAction::RadioToggle:
        if (line)
            line->failsAt = line->failsAt == LineStep::None ? LineStep::Open : LineStep::None;
        break;
    case PanelAction::SignalDown: case PanelAction::SignalUp:
        if (line)
            line->signal = PanelSignalField(PanelSignalLevel(line->signal) + (button.action == PanelAction::SignalUp ? 1 : -1));
        break;
    case PanelAction::DataToggle:
        s.connection = s.connection == ConnectionAnswer::Connected ? ConnectionAnswer::NotConnected : ConnectionAnswer::Connected;
        break;
    case PanelAction::VolumeDown: case PanelAction::VolumeUp: {
        const int percent = static_cast<int>(VolumePercent(s.waveVolume));
        // Steps land on tens, so that 0 (mute) and 100 are always reached.
        const int next = button.action == PanelAction::VolumeUp ? (percent / 10 + 1) * 10 : ((percent + 9) / 10 - 1) * 10;
        s.waveVolume = WaveVolumeFor(next);
        break;
    }
    case PanelAction::Rotate: case PanelAction::Reset: break;
    }
    return s;
}

PanelGeometry PanelGeometryFor(int scale)
{
    return {22 * scale, 22 * scale, scale};
}

RECT PanelGeometry::TabRect(int tab, int width) const
{
    return {tab * width / 2, 0, (tab + 1) * width / 2, tabHeight};
}

RECT PanelGeometry::RowRect(int row, int width) const
{
    const int top = tabHeight + 2 * scale + row * rowHeight;
    return {0, top, width, top + rowHeight};
}

RECT PanelGeometry::ButtonRect(const PanelRow& row, int rowIndex, size_t b, int width) const
{
    const RECT line = RowRect(rowIndex, width);
    const int gap = 2 * scale;
    auto widthOf = [&](const PanelButton& button) { return (button.text.size() == 1 ? 22 : 46) * scale; };
    int right = width - 4 * scale;
    for (size_t i = row.buttons.size(); i-- > b + 1;)
        right -= widthOf(row.buttons[i]) + gap;
    return {right - widthOf(row.buttons[b]), line.top + gap, right, line.bottom - gap};
}

} // namespace emu
