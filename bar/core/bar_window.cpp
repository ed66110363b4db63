// Dispatch of the bar window's messages to one handler each.
#include "bar/core/bar_window.h"
#include "bar/core/appearance.h"
#include "bar/core/foreground.h"
#include "bar/layout/bar_state.h"
#include "bar/layout/button_table.h"
#include "bar/core/paint.h"
#include "bar/core/screen_watch.h"
#include "bar/core/stylus.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/repaint.h"
#include "bar/config/buttons.h"
#include "bar/config/skin.h"
#include "bar/actions/bar_menu.h"
#include "bar/actions/commands.h"
#include "bar/actions/menu_items.h"
#include "bar/actions/menu_tap.h"
#include "bar/status/indicators.h"

namespace {

void StartTimers(HWND window, UINT foregroundPeriod)
{
    SetTimer(window, TIMER_FOREGROUND, foregroundPeriod, nullptr);
    SetTimer(window, TIMER_STATUS, kStatusPeriod, nullptr);
}

LRESULT OnCreate(HWND window)
{
    // The first load already makes its images for this window and sizes it.
    barWindow = window;
    LoadAppearance();
    StartTimers(window, kForegroundPeriodFirst);
    StartScreenWatch(barInstance);
    return 0;
}

LRESULT OnDestroy()
{
    StopScreenWatch();
    ReleaseAppearance();
    ReleaseBarCanvas();
    PostQuitMessage(0);
    return 0;
}

// The clock shows the time of the last paint; one tick at the next minute's turn
// keeps it from lagging without repainting more often than the minute changes.
void ScheduleClockRepaint(HWND window)
{
    int slot = FindSlotById(buttonTable, BUTTON_CLOCK);
    if (slot < 0 || !buttonTable.slots[slot].shown) {
        KillTimer(window, TIMER_CLOCK);
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    UINT untilNextMinute = (60 - now.wSecond) * 1000 - now.wMilliseconds + 20;
    SetTimer(window, TIMER_CLOCK, untilNextMinute, nullptr);
}

LRESULT OnPaint(HWND window)
{
    KeepLayoutCurrent(!TakeOwnRepaint());
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintBar(window, dc);
    EndPaint(window, &paint);
    ScheduleClockRepaint(window);
    return 0;
}

LRESULT OnTimer(WPARAM id)
{
    if (id == TIMER_FOREGROUND)
        CheckForeground();
    else if (id == TIMER_STATUS)
        RefreshStatusIndicators();
    else if (id == TIMER_CLOCK)
        RepaintBarNow();
    return 0;
}

// The menu's release watch ends with its loop; the stylus handling learns that the
// loop ended.
LRESULT OnExitMenuLoop()
{
    EndMenuTapWatch();
    OnMenuLoopExit();
    return 0;
}

LRESULT OnShowMenu(HWND window)
{
    ShowBarMenu(window, 240, kBarHeight * ScaleFactor);
    return 0;
}

} // namespace

void ReloadAppearance(HWND window)
{
    KillTimer(window, TIMER_FOREGROUND);
    KillTimer(window, TIMER_STATUS);
    if (ReplaceAppearance())
        RepaintBarNow();
    StartTimers(window, kForegroundPeriod);
}

LRESULT CALLBACK BarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:        return OnCreate(window);
    case WM_DESTROY:       return OnDestroy();
    case WM_PAINT:         return OnPaint(window);
    case WM_DRAWITEM:      DrawBarMenuItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 0;
    case WM_MEASUREITEM:   MeasureBarMenuItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return 0;
    case WM_COMMAND:       HandleBarCommand(window, wParam, lParam); return 0;
    case WM_TIMER:         return OnTimer(wParam);
    case WM_LBUTTONDOWN:   OnStylusDown(window, wParam, lParam); return 0;
    case WM_LBUTTONUP:     OnStylusUp(window, wParam, lParam); return 0;
    case WM_ENTERMENULOOP: InstallMenuTapHook(); return 0;
    case WM_EXITMENULOOP:  return OnExitMenuLoop();
    case MSG_SHOW_MENU:    return OnShowMenu(window);
    default:
        if (updateMessageId != 0 && message == updateMessageId) {
            ReloadAppearance(window);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
