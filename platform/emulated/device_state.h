// The emulated handheld's device state: the "hardware" that desktop Win32 lacks.
//
// Only platform/'s implementations, emulator/ (its programs and device DLLs) and the
// test kit include this file; the build refuses it anywhere else. The bar and the
// setup program reach the device only through the service headers of platform/ or
// the handheld's own DLLs, so the same executable runs unchanged on a real machine.
//
// How a new device service follows the pattern:
//   1. The value goes into DeviceState below, with its registry name in
//      device_value and its read and write in device_state.cpp.
//   2. A service the programs reach through a platform/ function gets one header,
//      platform/<service>.h, that states the contract as the handheld's call would
//      (see platform/wave_volume.h). Its implementation answers from this state when
//      the key exists (ReadDeviceDword and friends return false when it does not)
//      and otherwise from the real desktop call.
//   3. A service that the handheld provides as a DLL (tapi32.dll, cellcore.dll, commdlg.dll,
//      note_prj.dll) is called by the programs as on the handheld; the emulator
//      builds a stand-in with add_device_dll() in emulator/dlls/, which the device
//      installation copies into \Windows and the harness makes Wine prefer. The
//      stand-in answers from this state.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// HKEY_LOCAL_MACHINE\<kDeviceStateKey>
constexpr const wchar_t kDeviceStateKey[] = L"Software\\HandheldEmulator\\DeviceState";
// Storage cards: one sub-key per card, named after the card's folder.
constexpr const wchar_t kDeviceCardsSubKey[] = L"Cards";
// Telephony lines: one sub-key per line device, named by its index ("0000", "0001", ...).
constexpr const wchar_t kDeviceLinesSubKey[] = L"Lines";

// Value names (DWORD unless noted).
namespace device_value {
constexpr const wchar_t Connection[] = L"Connection";              // ConnectionAnswer
constexpr const wchar_t BatteryPercent[] = L"BatteryPercent";      // 0..100, 255 unknown
constexpr const wchar_t Charging[] = L"Charging";                  // 1 on external power
constexpr const wchar_t MemoryTotal[] = L"MemoryTotal";            // QWORD bytes
constexpr const wchar_t MemoryFree[] = L"MemoryFree";              // QWORD bytes
constexpr const wchar_t StorageTotal[] = L"StorageTotal";          // QWORD bytes
constexpr const wchar_t StorageFree[] = L"StorageFree";            // QWORD bytes
constexpr const wchar_t WaveVolume[] = L"WaveVolume";              // low word left, high word right
constexpr const wchar_t PlatformMajor[] = L"PlatformMajor";        // 4 or 5
constexpr const wchar_t DisplayPowerEscape[] = L"DisplayPowerEscape"; // 0: the display has no power escape
constexpr const wchar_t CardTotal[] = L"Total";                    // QWORD, in a card's sub-key
constexpr const wchar_t CardFree[] = L"Free";                      // QWORD, in a card's sub-key
constexpr const wchar_t LineName[] = L"Name";                      // REG_SZ, in a line's sub-key
constexpr const wchar_t LineSignal[] = L"Signal";                  // the status record's signal field
constexpr const wchar_t LineFailsAt[] = L"FailsAt";                // LineStep
// Written by the emulated tapi32.dll: how often telephony was initialised.
constexpr const wchar_t TelephonyInitCount[] = L"TelephonyInitCount";
}

// The step of the line walk at which an emulated line device fails.
enum class LineStep : DWORD { None = 0, Negotiation = 1, Capabilities = 2, Open = 3, Status = 4 };

// What the emulated connection manager answers.
enum class ConnectionAnswer : DWORD {
    NotConnected = 0,    // status "disconnected"
    Connected = 1,       // status "connected"
    StatusStaysUnknown = 2,  // status 0 for ever
    RequestFails = 3,    // the establish request itself fails
};

constexpr wchar_t kCellularLineName[] = L"Cellular Line";

struct TelephonyLineState {
    std::wstring name;
    DWORD signal;
    LineStep failsAt;
    bool operator==(const TelephonyLineState& o) const;
};

struct StorageCardState {
    std::wstring name;
    ULONGLONG totalBytes;
    ULONGLONG freeBytes;
    bool operator==(const StorageCardState& o) const;
};

struct DeviceState {
    std::vector<TelephonyLineState> lines{{kCellularLineName, 0xC000, LineStep::None}};
    ConnectionAnswer connection = ConnectionAnswer::NotConnected;
    DWORD batteryPercent = 80;
    DWORD charging = 0;
    ULONGLONG memoryTotal = 64ull << 20;
    ULONGLONG memoryFree = 28ull << 20;
    ULONGLONG storageTotal = 128ull << 20;
    ULONGLONG storageFree = 96ull << 20;
    DWORD waveVolume = 0xCCCCCCCC;
    DWORD platformMajor = 5;
    DWORD displayPowerEscape = 1;
    std::vector<StorageCardState> cards{{L"Storage Card", 512ull << 20, 300ull << 20}};
    bool operator==(const DeviceState& o) const;
};

// The first cellular line that opens and answers its status (what the device's
// programs will call a phone), or null.
const TelephonyLineState* WorkingCellularLine(const std::vector<TelephonyLineState>& lines);

// Reads the whole state; every value that is absent keeps its default above.
DeviceState ReadDeviceState();

// The lines alone, in device order (empty when the key is absent).
std::vector<TelephonyLineState> ReadDeviceLines();

// One value of the state. False only when the key is absent (not an emulated
// device); an absent value then leaves *value as it was.
bool ReadDeviceDword(const wchar_t* name, DWORD* value);
bool ReadDeviceQword(const wchar_t* name, ULONGLONG* value);

// Writes the whole state (used by the emulator and tests). Returns false when the
// key cannot be written. Lines and cards not in state are removed.
bool WriteDeviceState(const DeviceState& state);

// Writes one DWORD value of the state.
bool WriteDeviceDword(const wchar_t* name, DWORD value);
