// The device's common dialogs, bound by name once per process, or the desktop's.
// On the device: ChooseColor and GetOpenFileNameW of commdlg.dll, linked; the desktop
// has its own comdlg32 under those names, so the emulated device's library is bound here.
#include "platform/common_dialogs.h"
#include "platform/desktop/device_library.h"

namespace {

// The handheld's common-dialog library, whose dialogs fit its screen.
constexpr wchar_t kCommonDialogLibrary[] = L"commdlg.dll";

using ChooseColorProc = BOOL(WINAPI*)(CHOOSECOLORW*);
using OpenFileNameProc = BOOL(WINAPI*)(DeviceOpenFileName*);

// The desktop's dialog reads the record as far as its lStructSize says.
BOOL WINAPI DesktopOpenFileName(DeviceOpenFileName* request)
{
    return GetOpenFileNameW(reinterpret_cast<OPENFILENAMEW*>(request));
}

struct CommonDialogs {
    ChooseColorProc chooseColor;
    OpenFileNameProc openFileName;
};

const CommonDialogs& Dialogs()
{
    static const CommonDialogs dialogs = {
        DeviceFunctionOr<ChooseColorProc>(kCommonDialogLibrary, "ChooseColorW", ChooseColorW),
        DeviceFunctionOr<OpenFileNameProc>(kCommonDialogLibrary, "GetOpenFileNameW", DesktopOpenFileName),
    };
    return dialogs;
}

} // namespace

BOOL ChooseDeviceColor(CHOOSECOLORW* request)
{
    return Dialogs().chooseColor(request);
}

BOOL GetDeviceOpenFileName(DeviceOpenFileName* request)
{
    return Dialogs().openFileName(request);
}
