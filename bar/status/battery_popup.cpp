// The battery/memory popup: battery charge, memory, internal storage and cards.
#include "bar/status/popups.h"
#include "bar/config/skin.h"
#include "bar/core/bar_state.h"
#include "bar/status/battery_layout.h"
#include "bar/status/popup_paint.h"
#include "platform/free_space.h"
#include "platform/memory_status.h"
#include "platform/power_status.h"
#include "platform/scoped_win.h"
#include "platform/storage_cards.h"
#include "resources/velkis_res.h"
#include <strsafe.h>

namespace {

constexpr COLORREF kBatteryImageKey = RGB(0, 0, 0);
constexpr size_t kValueCapacity = 40;

// The text rectangle, laid out anew on every paint.
RECT textRect = {};

void PlaceBatteryPopup(HWND dialog, int width)
{
    RECT window;
    GetWindowRect(dialog, &window);
    int height = BatteryPopupHeight(window.top, ScaleFactor, StorageCardFolders());
    MoveWindow(dialog, 20 * ScaleFactor, 26 * ScaleFactor, width, height, TRUE);
}

INT_PTR OnInitDialog(HWND dialog)
{
    const SkinImage& image = skinImages.batteryPopup;
    SetWindowTextW(dialog, L"Battery/Memory");
    textRect = RECT{0, 0, image.width * ImageScale, image.height * ImageScale};
    PlaceBatteryPopup(dialog, image.width * ImageScale);
    batteryPopupWindow = dialog;
    SetForegroundWindow(dialog);
    return TRUE;
}

// Both edges of the text rectangle move down by one line.
void NextLine()
{
    int step = 15 * ScaleFactor;
    textRect.top += step;
    textRect.bottom += step;
}

void DrawUsageBar(HDC dc, ULONGLONG total, ULONGLONG free)
{
    UsageBar bar = UsageBarFor(textRect, ScaleFactor, total, free);
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kUsageFrameColour));
    {
        ScopedSelectObject selected(dc, pen.get());
        const RECT& f = bar.frame;
        MoveToEx(dc, f.left, f.bottom, nullptr);
        LineTo(dc, f.left, f.top);
        LineTo(dc, f.right, f.top);
        LineTo(dc, f.right, f.bottom);
        LineTo(dc, f.left, f.bottom);
    }
    ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(kUsageFillColour));
    if (bar.fill.right > bar.fill.left)
        FillRect(dc, &bar.fill, fill.get());
}

// A labelled line with a free-space value, then its usage bar on the next line.
void DrawStore(HDC dc, const wchar_t* label, const FolderSpace& space)
{
    wchar_t value[kValueCapacity];
    NextLine();
    DrawPopupText(dc, label, textRect, DT_LEFT);
    FormatFreeMegabytes(space.totalFree, value, kValueCapacity);
    DrawPopupText(dc, value, textRect, DT_RIGHT);
    NextLine();
    DrawUsageBar(dc, space.total, space.totalFree);
}

void DrawValues(HDC dc, int width)
{
    int s = ScaleFactor;
    textRect = RECT{5 * s, 0, width - 5 * s, 20 * s};
    DrawPopupText(dc, L"Battery/Memory", textRect, DT_LEFT);

    wchar_t value[kValueCapacity];
    textRect.top += 20 * s;
    textRect.bottom = textRect.top + 15 * s;
    DrawPopupText(dc, L"Main Battery", textRect, DT_LEFT);
    FormatBatteryPercent(MainBatteryLifePercent(), value, kValueCapacity);
    DrawPopupText(dc, value, textRect, DT_RIGHT);

    PhysicalMemory memory = ReadPhysicalMemory();
    NextLine();
    DrawPopupText(dc, L"Main Memory", textRect, DT_LEFT);
    FormatFreeMegabytes(memory.available, value, kValueCapacity);
    DrawPopupText(dc, value, textRect, DT_RIGHT);
    NextLine();
    DrawUsageBar(dc, memory.total, memory.available);

    DrawStore(dc, L"Internal Storage", FreeSpaceOfFolder(nullptr));
    for (const std::wstring& card : StorageCardFolders()) {
        if (card.empty())
            continue;
        std::wstring folder = L"\\" + card;
        DrawStore(dc, card.c_str(), FreeSpaceOfFolder(folder.c_str()));
    }
}

INT_PTR OnPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    const SkinImage& image = skinImages.batteryPopup;
    int width = image.width * ImageScale;
    DrawPopupImage(dc, image, RECT{0, 0, width, image.height * ImageScale}, kBatteryImageKey);
    DrawValues(dc, width);
    EndPaint(dialog, &paint);
    return TRUE;
}

INT_PTR OnClosePopup(HWND dialog, WPARAM wParam)
{
    batteryPopupWindow = nullptr;
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
}

INT_PTR CALLBACK BatteryPopupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:   return OnInitDialog(dialog);
    case WM_PAINT:        return OnPaint(dialog);
    case MSG_CLOSE_POPUP: return OnClosePopup(dialog, wParam);
    default:              return FALSE;
    }
}

} // namespace

void OpenBatteryPopup()
{
    DialogBoxParamW(barInstance, MAKEINTRESOURCEW(IDD_BATTERY_POPUP), nullptr, BatteryPopupProc, 0);
    batteryPopupWindow = nullptr;
}
