// The emulated handheld's display driver answers the power escape; elsewhere the
// real driver does.
#include "platform/display_power.h"
#include "platform/emulated/device_state.h"
#include <cstring>

namespace {

bool OnEmulatedDevice()
{
    DWORD ignored = 0;
    return ReadDeviceDword(device_value::DisplayPowerEscape, &ignored);
}

bool PowerEscapeSupported()
{
    DWORD supported = 1;
    ReadDeviceDword(device_value::DisplayPowerEscape, &supported);
    return supported != 0;
}

// The shell draws the panel: it is asked to switch it off or on.
int SetPanelPower(int inputSize, const char* input)
{
    if (!PowerEscapeSupported())
        return 0;
    VideoPowerRecord record;
    if (!input || inputSize < static_cast<int>(sizeof(record)))
        return -1;
    std::memcpy(&record, input, sizeof(record));
    if (record.length != sizeof(record))
        return -1;
    HWND taskbar = FindWindowW(L"HHTaskBar", nullptr);
    const UINT message = RegisterWindowMessageW(L"HHEmu_DisplayPower");
    if (!taskbar || !message || !PostMessageW(taskbar, message, record.powerState, 0))
        return -1;
    return 1;
}

} // namespace

int DisplayDriverEscape(HDC dc, int escape, int inputSize, const char* input, int outputSize, char* output)
{
    if (!OnEmulatedDevice())
        return ExtEscape(dc, escape, inputSize, input, outputSize, output);
    if (escape == kQueryEscapeSupport && input && inputSize >= static_cast<int>(sizeof(DWORD))) {
        DWORD asked = 0;
        std::memcpy(&asked, input, sizeof(asked));
        if (asked == kSetPowerManagement)
            return PowerEscapeSupported() ? 1 : 0;
    }
    if (escape == kSetPowerManagement)
        return SetPanelPower(inputSize, input);
    return ExtEscape(dc, escape, inputSize, input, outputSize, output);
}
