// Finding the running bar among the system taskbar's children.
#include "common/bar_link.h"
#include "common/shell_classes.h"
#include <cwchar>

HWND FindRunningBar()
{
    HWND taskbar = FindWindowW(kTaskbarClassName, nullptr);
    if (!taskbar)
        return nullptr;
    for (HWND child = GetWindow(taskbar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32];
        if (GetClassNameW(child, className, 32) && wcscmp(className, kBarClassName) == 0)
            return child;
    }
    return nullptr;
}
