// The shell process's windows and what the taskbar remembers between messages.
#pragma once
#include <windows.h>
#include <string>
#include "emulator/lib/taskbar_layout.h"

namespace emu {

struct ShellState {
    HINSTANCE instance = nullptr;
    HWND taskbar = nullptr;
    HWND today = nullptr;
    HWND startMenu = nullptr;
    HWND bubble = nullptr;
    TaskbarPlace pressed = TaskbarPlace::None;   // where the last stylus-down landed
    std::wstring restartArgs;                     // arguments a reset passes to the next shell
    bool phone = false;                           // a working cellular line, decided at boot
};

ShellState& Shell();

// Scale of the screen now (1, or 2 above 400 pixels wide).
int ShellScale();

// The taskbar's layout at this moment: screen width, clock settings, phone.
TaskbarLayout CurrentTaskbarLayout();

// Whether a window asks for the OK button instead of close.
bool WantsOkButton(HWND window);

} // namespace emu
