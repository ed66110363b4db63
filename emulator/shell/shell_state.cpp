// Shell-wide state and the taskbar's current layout.
#include "emulator/shell/shell_state.h"
#include "emulator/lib/clock_width.h"
#include "emulator/protocol.h"

namespace emu {

ShellState& Shell()
{
    static ShellState state;
    return state;
}

int ShellScale()
{
    return TaskbarScale(GetSystemMetrics(SM_CXSCREEN));
}

TaskbarLayout CurrentTaskbarLayout()
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int scale = TaskbarScale(width);
    return ComputeTaskbarLayout(width, scale, CurrentSystemClockWidth(Shell().taskbar, scale), Shell().phone);
}

bool WantsOkButton(HWND window)
{
    if (!window)
        return false;
    const DWORD ex = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    return (ex & kCaptionOkBit) != 0 || GetPropW(window, kCaptionOkProp) != nullptr;
}

} // namespace emu
