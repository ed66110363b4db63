// The fixed commands of the bar menu.
#include "bar/actions/power_commands.h"
#include "bar/layout/bar_state.h"
#include "platform/device_reset.h"
#include "platform/display_power.h"
#include "platform/message_box.h"
#include "platform/scoped_win.h"
#include <windows.h>
#include <shellapi.h>
#include <strsafe.h>

namespace {

constexpr BYTE kPowerKey = 0xDF;

} // namespace

void TurnOffScreen()
{
    ScopedGetDC screenDc(nullptr);
    HDC screen = screenDc.get();
    const DWORD asked = kSetPowerManagement;
    if (DisplayDriverEscape(screen, kQueryEscapeSupport, sizeof(asked), reinterpret_cast<const char*>(&asked), 0,
                            nullptr) > 0) {
        const VideoPowerRecord record = {sizeof(VideoPowerRecord), 1, kVideoPowerOff};
        DisplayDriverEscape(screen, kSetPowerManagement, sizeof(record), reinterpret_cast<const char*>(&record), 0,
                            nullptr);
    } else {
        ShowMessageBox(nullptr, L"Sorry, your Pocket PC does not support DisplayOff", L"Pocket PC Display Off Feature",
                       MB_OK);
    }
}

void SuspendDevice()
{
    keybd_event(kPowerKey, 0, 0, 0);
    keybd_event(kPowerKey, 0, KEYEVENTF_KEYUP, 0);
}

void RestartDevice()
{
    RegFlushKey(HKEY_CLASSES_ROOT);
    RegFlushKey(HKEY_CURRENT_USER);
    RegFlushKey(HKEY_LOCAL_MACHINE);
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
}

// The handheld's execute-information record is 60 bytes, as on any 32-bit Windows.
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOW) == 60, "the execute-information record is 60 bytes");

void OpenSetupProgram()
{
    wchar_t path[256] = {};
    StringCchPrintfW(path, 256, L"%s\\%s", programFolder, L"Tormalin.exe");
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // The handheld's shell reports nothing when the program is missing; the
    // desktop's would show a message box unless told not to.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = path;
    info.nShow = SW_SHOW;
    ShellExecuteExW(&info);
}

void ExitBar()
{
    SendMessageW(barWindow, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(barWindow));
    SendMessageW(barWindow, WM_CLOSE, 0, 0);
}
