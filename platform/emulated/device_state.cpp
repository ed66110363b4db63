// Reads and writes the emulated handheld's device state in the registry.
#include "platform/emulated/device_state.h"
#include "platform/scoped_win.h"
#include <cwchar>

namespace {

bool ReadValue(HKEY key, const wchar_t* name, DWORD expectedType, void* out, DWORD size)
{
    DWORD type = 0;
    DWORD got = size;
    if (RegQueryValueExW(key, name, nullptr, &type, static_cast<BYTE*>(out), &got) != ERROR_SUCCESS)
        return false;
    return type == expectedType && got == size;
}

template <typename T>
void ReadNumber(HKEY key, const wchar_t* name, T& value)
{
    T v;
    if (ReadValue(key, name, sizeof(T) == 8 ? REG_QWORD : REG_DWORD, &v, sizeof(v)))
        value = v;
}

template <typename E>
void ReadEnum(HKEY key, const wchar_t* name, E& value)
{
    DWORD v = static_cast<DWORD>(value);
    ReadNumber(key, name, v);
    value = static_cast<E>(v);
}

std::wstring ReadString(HKEY key, const wchar_t* name)
{
    wchar_t text[MAX_PATH] = L"";
    DWORD type = 0;
    DWORD size = sizeof(text) - sizeof(wchar_t);   // room for a terminator the value may lack
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return L"";
    text[size / sizeof(wchar_t)] = L'\0';
    return text;
}

bool WriteDword(HKEY key, const wchar_t* name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

bool WriteQword(HKEY key, const wchar_t* name, ULONGLONG value)
{
    return RegSetValueExW(key, name, 0, REG_QWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

bool WriteString(HKEY key, const wchar_t* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Calls visit with every sub-key of parent\subKey, in the registry's (alphabetical) order.
template <typename Visit>
bool ForEachSubKey(HKEY parent, const wchar_t* subKey, Visit visit)
{
    ScopedRegKey list;
    if (RegOpenKeyExW(parent, subKey, 0, KEY_READ, list.out()) != ERROR_SUCCESS)
        return false;
    wchar_t name[MAX_PATH];
    for (DWORD i = 0;; ++i) {
        DWORD len = MAX_PATH;
        if (RegEnumKeyExW(list.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        ScopedRegKey item;
        if (RegOpenKeyExW(list.get(), name, 0, KEY_READ, item.out()) == ERROR_SUCCESS)
            visit(name, item.get());
    }
    return true;
}

void ReadCards(HKEY stateKey, std::vector<StorageCardState>& cards)
{
    std::vector<StorageCardState> found;
    const bool listed = ForEachSubKey(stateKey, kDeviceCardsSubKey, [&](const wchar_t* name, HKEY card) {
        StorageCardState state{name, 0, 0};
        ReadNumber(card, device_value::CardTotal, state.totalBytes);
        ReadNumber(card, device_value::CardFree, state.freeBytes);
        found.push_back(state);
    });
    if (listed)
        cards = found;
}

void ReadLines(HKEY stateKey, std::vector<TelephonyLineState>& lines)
{
    std::vector<TelephonyLineState> found;
    const bool listed = ForEachSubKey(stateKey, kDeviceLinesSubKey, [&](const wchar_t*, HKEY line) {
        TelephonyLineState state{ReadString(line, device_value::LineName), 0, LineStep::None};
        ReadNumber(line, device_value::LineSignal, state.signal);
        ReadEnum(line, device_value::LineFailsAt, state.failsAt);
        found.push_back(state);
    });
    if (listed)
        lines = found;
}

// Replaces parent\subKey with one sub-key per item, named by write's choice.
template <typename Item, typename Name, typename Write>
bool WriteList(HKEY parent, const wchar_t* subKey, const std::vector<Item>& items, Name name, Write write)
{
    RegDeleteTreeW(parent, subKey);
    ScopedRegKey list;
    if (RegCreateKeyExW(parent, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, list.out(), nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (size_t i = 0; i < items.size(); ++i) {
        ScopedRegKey item;
        if (RegCreateKeyExW(list.get(), name(items[i], i).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, item.out(), nullptr) != ERROR_SUCCESS) {
            ok = false;
            continue;
        }
        ok = write(item.get(), items[i]) && ok;
    }
    return ok;
}

std::wstring LineKeyName(const TelephonyLineState&, size_t index)
{
    // Zero-padded, so that the registry's alphabetical order is the device order.
    wchar_t name[16];
    std::swprintf(name, 16, L"%04u", static_cast<unsigned>(index));
    return name;
}

template <typename T>
bool ReadOne(const wchar_t* name, T* value)
{
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS)
        return false;
    ReadNumber(key.get(), name, *value);
    return true;
}

} // namespace

bool TelephonyLineState::operator==(const TelephonyLineState& o) const
{
    return name == o.name && signal == o.signal && failsAt == o.failsAt;
}

bool StorageCardState::operator==(const StorageCardState& o) const
{
    return name == o.name && totalBytes == o.totalBytes && freeBytes == o.freeBytes;
}

bool DeviceState::operator==(const DeviceState& o) const
{
    return lines == o.lines && connection == o.connection && batteryPercent == o.batteryPercent
        && charging == o.charging
        && memoryTotal == o.memoryTotal && memoryFree == o.memoryFree && storageTotal == o.storageTotal
        && storageFree == o.storageFree && waveVolume == o.waveVolume && platformMajor == o.platformMajor
        && displayPowerEscape == o.displayPowerEscape
        && cards == o.cards;
}

const TelephonyLineState* WorkingCellularLine(const std::vector<TelephonyLineState>& lines)
{
    for (const TelephonyLineState& line : lines) {
        if (line.name == kCellularLineName && line.failsAt == LineStep::None)
            return &line;
    }
    return nullptr;
}

DeviceState ReadDeviceState()
{
    DeviceState state;
    ScopedRegKey opened;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, opened.out()) != ERROR_SUCCESS)
        return state;
    const HKEY key = opened.get();
    ReadLines(key, state.lines);
    ReadEnum(key, device_value::Connection, state.connection);
    ReadNumber(key, device_value::BatteryPercent, state.batteryPercent);
    ReadNumber(key, device_value::Charging, state.charging);
    ReadNumber(key, device_value::MemoryTotal, state.memoryTotal);
    ReadNumber(key, device_value::MemoryFree, state.memoryFree);
    ReadNumber(key, device_value::StorageTotal, state.storageTotal);
    ReadNumber(key, device_value::StorageFree, state.storageFree);
    ReadNumber(key, device_value::WaveVolume, state.waveVolume);
    ReadNumber(key, device_value::PlatformMajor, state.platformMajor);
    ReadNumber(key, device_value::DisplayPowerEscape, state.displayPowerEscape);
    ReadCards(key, state.cards);
    return state;
}

std::vector<TelephonyLineState> ReadDeviceLines()
{
    std::vector<TelephonyLineState> lines;
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, key.out()) == ERROR_SUCCESS)
        ReadLines(key.get(), lines);
    return lines;
}

bool ReadDeviceDword(const wchar_t* name, DWORD* value)
{
    return ReadOne(name, value);
}

bool ReadDeviceQword(const wchar_t* name, ULONGLONG* value)
{
    return ReadOne(name, value);
}

bool WriteDeviceDword(const wchar_t* name, DWORD value)
{
    ScopedRegKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return WriteDword(key.get(), name, value);
}

bool WriteDeviceState(const DeviceState& state)
{
    ScopedRegKey opened;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, opened.out(), nullptr) != ERROR_SUCCESS)
        return false;
    const HKEY key = opened.get();
    bool ok = WriteDword(key, device_value::Connection, static_cast<DWORD>(state.connection))
        && WriteDword(key, device_value::BatteryPercent, state.batteryPercent)
        && WriteDword(key, device_value::Charging, state.charging)
        && WriteQword(key, device_value::MemoryTotal, state.memoryTotal)
        && WriteQword(key, device_value::MemoryFree, state.memoryFree)
        && WriteQword(key, device_value::StorageTotal, state.storageTotal)
        && WriteQword(key, device_value::StorageFree, state.storageFree)
        && WriteDword(key, device_value::WaveVolume, state.waveVolume)
        && WriteDword(key, device_value::PlatformMajor, state.platformMajor)
        && WriteDword(key, device_value::DisplayPowerEscape, state.displayPowerEscape);
    ok = WriteList(key, kDeviceLinesSubKey, state.lines, LineKeyName,
                   [](HKEY item, const TelephonyLineState& line) {
                       return WriteString(item, device_value::LineName, line.name)
                           && WriteDword(item, device_value::LineSignal, line.signal)
                           && WriteDword(item, device_value::LineFailsAt, static_cast<DWORD>(line.failsAt));
                   }) && ok;
    ok = WriteList(key, kDeviceCardsSubKey, state.cards,
                   [](const StorageCardState& card, size_t) { return card.name; },
                   [](HKEY item, const StorageCardState& card) {
                       return WriteQword(item, device_value::CardTotal, card.totalBytes)
                           && WriteQword(item, device_value::CardFree, card.freeBytes);
                   }) && ok;
    return ok;
}
