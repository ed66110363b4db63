// Reads and writes the emulated handheld's device state in the registry.
#include "platform/device_state.h"
#include "platform/scoped_win.h"

namespace {

bool ReadValue(HKEY key, const wchar_t* name, DWORD expectedType, void* out, DWORD size)
{
    DWORD type = 0;
    DWORD got = size;
    if (RegQueryValueExW(key, name, nullptr, &type, static_cast<BYTE*>(out), &got) != ERROR_SUCCESS)
        return false;
    return type == expectedType && got == size;
}

void ReadDword(HKEY key, const wchar_t* name, DWORD& value)
{
    DWORD v;
    if (ReadValue(key, name, REG_DWORD, &v, sizeof(v)))
        value = v;
}

void ReadBool(HKEY key, const wchar_t* name, bool& value)
{
    DWORD v = value ? 1 : 0;
    ReadDword(key, name, v);
    value = v != 0;
}

void ReadQword(HKEY key, const wchar_t* name, ULONGLONG& value)
{
    ULONGLONG v;
    if (ReadValue(key, name, REG_QWORD, &v, sizeof(v)))
        value = v;
}

bool WriteDword(HKEY key, const wchar_t* name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

bool WriteQword(HKEY key, const wchar_t* name, ULONGLONG value)
{
    return RegSetValueExW(key, name, 0, REG_QWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

void ReadCards(HKEY stateKey, std::vector<StorageCardState>& cards)
{
    ScopedRegKey cardsKey;
    if (RegOpenKeyExW(stateKey, kDeviceCardsSubKey, 0, KEY_READ, cardsKey.out()) != ERROR_SUCCESS)
        return;
    cards.clear();
    wchar_t name[MAX_PATH];
    for (DWORD i = 0;; ++i) {
        DWORD len = MAX_PATH;
        if (RegEnumKeyExW(cardsKey.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        ScopedRegKey card;
        if (RegOpenKeyExW(cardsKey.get(), name, 0, KEY_READ, card.out()) != ERROR_SUCCESS)
            continue;
        StorageCardState state{name, 0, 0};
        ReadQword(card.get(), device_value::CardTotal, state.totalBytes);
        ReadQword(card.get(), device_value::CardFree, state.freeBytes);
        cards.push_back(state);
    }
}

} // namespace

DeviceState ReadDeviceState()
{
    DeviceState state;
    ScopedRegKey opened;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, opened.out()) != ERROR_SUCCESS)
        return state;
    HKEY key = opened.get();
    ReadBool(key, device_value::CellularLine, state.cellularLine);
    ReadDword(key, device_value::SignalStrength, state.signalStrength);
    ReadBool(key, device_value::InternetConnected, state.internetConnected);
    ReadDword(key, device_value::BatteryPercent, state.batteryPercent);
    ReadQword(key, device_value::MemoryTotal, state.memoryTotal);
    ReadQword(key, device_value::MemoryFree, state.memoryFree);
    ReadQword(key, device_value::StorageTotal, state.storageTotal);
    ReadQword(key, device_value::StorageFree, state.storageFree);
    ReadDword(key, device_value::WaveVolume, state.waveVolume);
    ReadDword(key, device_value::PlatformMajor, state.platformMajor);
    ReadCards(key, state.cards);
    return state;
}

DWORD ReadDeviceDword(const wchar_t* name, DWORD fallback)
{
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS)
        return fallback;
    ReadDword(key.get(), name, fallback);
    return fallback;
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
    HKEY key = opened.get();
    bool ok = WriteDword(key, device_value::CellularLine, state.cellularLine ? 1 : 0)
        && WriteDword(key, device_value::SignalStrength, state.signalStrength)
        && WriteDword(key, device_value::InternetConnected, state.internetConnected ? 1 : 0)
        && WriteDword(key, device_value::BatteryPercent, state.batteryPercent)
        && WriteQword(key, device_value::MemoryTotal, state.memoryTotal)
        && WriteQword(key, device_value::MemoryFree, state.memoryFree)
        && WriteQword(key, device_value::StorageTotal, state.storageTotal)
        && WriteQword(key, device_value::StorageFree, state.storageFree)
        && WriteDword(key, device_value::WaveVolume, state.waveVolume)
        && WriteDword(key, device_value::PlatformMajor, state.platformMajor);
    RegDeleteTreeW(key, kDeviceCardsSubKey);
    ScopedRegKey cardsKey;
    if (ok && RegCreateKeyExW(key, kDeviceCardsSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, cardsKey.out(), nullptr) == ERROR_SUCCESS) {
        for (const StorageCardState& card : state.cards) {
            ScopedRegKey cardKey;
            if (RegCreateKeyExW(cardsKey.get(), card.name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, cardKey.out(), nullptr) != ERROR_SUCCESS) {
                ok = false;
                continue;
            }
            ok = WriteQword(cardKey.get(), device_value::CardTotal, card.totalBytes)
                && WriteQword(cardKey.get(), device_value::CardFree, card.freeBytes) && ok;
        }
    } else {
        ok = false;
    }
    return ok;
}

DWORD PlatformMajorVersion()
{
    return ReadDeviceDword(device_value::PlatformMajor, 5);
}
