// The screen less the system taskbar at its top.
#include "setup/work_area.h"
#include "common/shell_classes.h"

RECT ScreenBelowTaskbar()
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT taskbar;
    HWND bar = FindWindowW(kTaskbarClassName, nullptr);
    if (bar && GetWindowRect(bar, &taskbar) && taskbar.bottom < area.bottom)
        area.top = taskbar.bottom;
    return area;
}
