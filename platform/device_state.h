// Device state that desktop Win32 cannot supply (telephony, connection, battery,
// memory, storage, volume, platform version). On the emulated handheld it lives
// under one registry key that the emulator and the tests write; the services of
// platform/ read it. Nothing outside platform/ and the emulator reads this key.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// HKEY_LOCAL_MACHINE\<kDeviceStateKey>
constexpr const wchar_t kDeviceStateKey[] = L"Software\\HandheldEmulator\\DeviceState";
// Storage cards: one sub-key per card, named after the card's folder.
constexpr const wchar_t kDeviceCardsSubKey[] = L"Cards";

// Value names (DWORD unless noted).
namespace device_value {
constexpr const wchar_t CellularLine[] = L"CellularLine";          // 0 or 1
constexpr const wchar_t SignalStrength[] = L"SignalStrength";      // 0..0xFFFF
constexpr const wchar_t InternetConnected[] = L"InternetConnected"; // 0 or 1
constexpr const wchar_t BatteryPercent[] = L"BatteryPercent";      // 0..100, 255 unknown
constexpr const wchar_t MemoryTotal[] = L"MemoryTotal";            // QWORD bytes
constexpr const wchar_t MemoryFree[] = L"MemoryFree";              // QWORD bytes
constexpr const wchar_t StorageTotal[] = L"StorageTotal";          // QWORD bytes
constexpr const wchar_t StorageFree[] = L"StorageFree";            // QWORD bytes
constexpr const wchar_t WaveVolume[] = L"WaveVolume";              // low word left, high word right
constexpr const wchar_t PlatformMajor[] = L"PlatformMajor";        // 4 or 5
constexpr const wchar_t CardTotal[] = L"Total";                    // QWORD, in a card's sub-key
constexpr const wchar_t CardFree[] = L"Free";                      // QWORD, in a card's sub-key
}

struct StorageCardState {
    std::wstring name;
    ULONGLONG totalBytes;
    ULONGLONG freeBytes;
};

struct DeviceState {
    bool cellularLine = true;
    DWORD signalStrength = 0xC000;
    bool internetConnected = false;
    DWORD batteryPercent = 80;
    ULONGLONG memoryTotal = 64ull << 20;
    ULONGLONG memoryFree = 28ull << 20;
    ULONGLONG storageTotal = 128ull << 20;
    ULONGLONG storageFree = 96ull << 20;
    DWORD waveVolume = 0xCCCCCCCC;
    DWORD platformMajor = 5;
    std::vector<StorageCardState> cards{{L"Storage Card", 512ull << 20, 300ull << 20}};
};

// Reads the whole state; every value that is absent keeps its default above.
DeviceState ReadDeviceState();

// Reads one DWORD value of the state, or fallback when absent.
DWORD ReadDeviceDword(const wchar_t* name, DWORD fallback);

// Writes the whole state (used by the emulator and tests). Returns false when the
// key cannot be written. Cards not in state are removed.
bool WriteDeviceState(const DeviceState& state);

// Writes one DWORD value of the state.
bool WriteDeviceDword(const wchar_t* name, DWORD value);

// Major version number of the platform (4 or 5 on the handhelds we run on).
DWORD PlatformMajorVersion();
