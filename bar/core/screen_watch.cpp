// A hidden top-level window that passes screen turns on to the bar window.
#include "bar/core/screen_watch.h"
#include "bar/layout/repaint.h"

#ifndef SETTINGCHANGE_RESET
#define SETTINGCHANGE_RESET 0x3002   // the handheld's shell: the screen turned
#endif

namespace {

constexpr wchar_t kWatchClass[] = L"VelkisScreenWatch";
HWND watchWindow = nullptr;

LRESULT OnSettingChange(WPARAM wParam)
{
    if (wParam == SETTINGCHANGE_RESET)
        RepaintAfterScreenChange();
    return 0;
}

LRESULT OnDisplayChange()
{
    RepaintAfterScreenChange();
    return 0;
}

LRESULT CALLBACK ScreenWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTINGCHANGE: return OnSettingChange(wParam);
    case WM_DISPLAYCHANGE: return OnDisplayChange();
    default:               return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

bool StartScreenWatch(HINSTANCE instance)
{
    if (watchWindow)
        return true;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ScreenWatchProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWatchClass;
    RegisterClassW(&windowClass);   // fails harmlessly when already registered
    // Never shown: a task list and the shell pass over it.
    watchWindow = CreateWindowExW(WS_EX_TOOLWINDOW, kWatchClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    return watchWindow != nullptr;
}

void StopScreenWatch()
{
    if (watchWindow)
        DestroyWindow(watchWindow);
    watchWindow = nullptr;
}
