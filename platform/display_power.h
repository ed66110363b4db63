// The display driver's escape interface, through which the panel is switched off.
#pragma once
#include <windows.h>

// Escape numbers and the power record that the display driver understands.
constexpr int kQueryEscapeSupport = 8;       // input: the 4-byte escape number asked about
constexpr int kSetPowerManagement = 6147;    // 0x1803; input: VideoPowerRecord
constexpr DWORD kVideoPowerOn = 1;
constexpr DWORD kVideoPowerOff = 4;

struct VideoPowerRecord {
    DWORD length;       // 12
    DWORD dpmsVersion;  // 1
    DWORD powerState;   // kVideoPowerOn or kVideoPowerOff
};
static_assert(sizeof(VideoPowerRecord) == 12, "the driver takes a 12-byte power record");

// ExtEscape's contract, answered by the device's display driver. Query escape 8
// answers > 0 when the asked escape is supported, 0 when not. Escape 6147 answers
// > 0 when the driver took the record, 0 when it does not support it, < 0 when the
// record is malformed (shorter than 12 bytes or a length field other than 12).
// Switching the panel off blacks the screen until the next tap.
int DisplayDriverEscape(HDC dc, int escape, int inputSize, const char* input, int outputSize, char* output);
