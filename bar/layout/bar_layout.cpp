// The bar's layout: button places from the right edge leftwards, the clock's text, the title's room.
#include "bar/layout/bar_layout.h"
#include "bar/layout/button_table.h"
#include "bar/layout/bar_state.h"
#include "bar/config/fonts.h"
#include "bar/config/skin.h"
#include "platform/scoped_win.h"
#include <strsafe.h>

BarLayout barLayout = {};

namespace {

void PlaceRecord(ButtonRecord& record, int& rightEdge, int imageScale)
{
    int width = record.width * imageScale;
    rightEdge -= width;
    record.rect = RECT{rightEdge, 0, rightEdge + width, record.height * imageScale};
}

bool SameMinute(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wMinute == b.wMinute && a.wHour == b.wHour && a.wDay == b.wDay && a.wMonth == b.wMonth &&
           a.wYear == b.wYear;
}

int ClockTextWidth(const wchar_t* text)
{
    ScopedGetDC screen(nullptr);
    ScopedSelectObject font(screen.get(), timerFont.font ? timerFont.font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32W(screen.get(), text, lstrlenW(text), &size);
    return size.cx;
}

// Moves and sizes the bar only when it is not already where it belongs.
void FitBarWindow(int width, int height)
{
    if (!barWindow)
        return;
    RECT now;
    GetWindowRect(barWindow, &now);
    MapWindowPoints(nullptr, GetParent(barWindow), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != 0 || now.top != 0 || now.right != width || now.bottom != height)
        SetWindowPos(barWindow, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

} // namespace

void FormatClockText(const SYSTEMTIME& time, wchar_t* out, int capacity)
{
    if (capacity <= 0)
        return;
    if (!GetTimeFormatW(kSystemDefaultLocale, TIME_NOSECONDS | TIME_NOTIMEMARKER, &time, nullptr, out, capacity))
        out[0] = L'\0';
}

BarLayout LayOutBar(ButtonTable& table, SignalImageSet& signal, const LayoutInputs& inputs)
{
    BarLayout layout = {};
    layout.width = inputs.screenWidth;
    layout.height = kBarHeight * inputs.scaleFactor;
    layout.landscape = inputs.screenWidth > inputs.screenHeight;
    const ButtonRecord& start = table.slots[0];
    layout.buttonsLeft = start.width * inputs.imageScale;
    layout.start = RECT{0, 0, layout.buttonsLeft, start.height * inputs.imageScale};

    int rightEdge = layout.width;
    for (int slot = inputs.firstSlot; slot < kButtonCount; ++slot) {
        ButtonRecord& record = table.slots[slot];
        if (!record.shown)
            continue;
        if (record.id >= BUTTON_MENU && record.id <= BUTTON_DISCONNECT) {
            PlaceRecord(record, rightEdge, inputs.imageScale);
        } else if (record.id == BUTTON_CLOCK) {
            rightEdge -= inputs.clockWidth;
            record.rect = RECT{rightEdge, 0, rightEdge + inputs.clockWidth, layout.height};
        } else if (record.id == BUTTON_SIGNAL && inputs.phone && inputs.signalLevel >= 0 &&
                   inputs.signalLevel < kSignalLevels) {
            PlaceRecord(signal.levels[inputs.signalLevel], rightEdge, inputs.imageScale);
        }
    }
    layout.title = RECT{layout.buttonsLeft, 0, rightEdge, layout.height};
    return layout;
}

void UpdateBarLayout()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t clockText[kClockTextCapacity];
    FormatClockText(now, clockText, kClockTextCapacity);

    LayoutInputs inputs;
    inputs.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    inputs.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    inputs.scaleFactor = ScaleFactor;
    inputs.imageScale = ImageScale;
    inputs.firstSlot = firstPaintedSlot;
    inputs.phone = PhoneEdition;
    inputs.signalLevel = SignalLevel;
    inputs.clockWidth = ClockTextWidth(clockText);

    const unsigned serial = barLayout.serial + 1;
    barLayout = LayOutBar(buttonTable, signalImages, inputs);
    barLayout.serial = serial;
    StringCchCopyW(barLayout.clockText, kClockTextCapacity, clockText);
    barLayout.clockMinute = now;
    FitBarWindow(barLayout.width, barLayout.height);
}

bool KeepLayoutCurrent(bool checkScreen)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    bool stale = !SameMinute(now, barLayout.clockMinute);
    if (!stale && checkScreen) {
        int width = GetSystemMetrics(SM_CXSCREEN);
        stale = width != barLayout.width || (width > GetSystemMetrics(SM_CYSCREEN)) != barLayout.landscape;
    }
    if (stale)
        UpdateBarLayout();
    return stale;
}
