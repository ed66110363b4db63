// The message box of the device's core library, bound by name, or the desktop's.
// On the handheld this is coredll's MessageBoxW: the desktop's own box is wider than a
// 240-pixel screen, so the emulated device's coredll.dll in its \Windows answers instead.
#include "platform/message_box.h"
#include "platform/desktop/device_library.h"

namespace {

using MessageBoxProc = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

MessageBoxProc DeviceMessageBox()
{
    static const MessageBoxProc proc = DeviceFunctionOr<MessageBoxProc>(L"coredll.dll", "MessageBoxW", MessageBoxW);
    return proc;
}

} // namespace

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return DeviceMessageBox()(owner, text, caption, type);
}
