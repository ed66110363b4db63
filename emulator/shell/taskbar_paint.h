// Plain drawing of the system taskbar.
#pragma once
#include <windows.h>

namespace emu {

void PaintTaskbar(HWND taskbar);

// What the painting depends on, so a timer can repaint only on change.
struct TaskbarLook {
    HWND foreground = nullptr;
    bool ok = false;
    int clockWidth = 0;
    bool phone = true;
    wchar_t clock[20] = L"";
    bool operator==(const TaskbarLook& other) const;
};
TaskbarLook CurrentTaskbarLook();

} // namespace emu
