// The battery/memory popup: battery charge, memory, internal storage and cards.
#include "bar/status/popups.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_state.h"
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

// The text rectangle, laid out anew on every paint, the popup's width and how
// many cards it has room for.
RECT textRect = {};
int popupWidth = 0;
size_t shownCards = 0;

// The popup ends above the screen's bottom: cards past the room are left out.
void PlaceBatteryPopup(HWND dialog, int width)
{
    RECT window;
    GetWindowRect(dialog, &window);
    const int y = kBarHeight * ScaleFactor;
    const int room = GetSystemMetrics(SM_CYSCREEN) - y;
    const std::vector<std::wstring> cards = CardsThatFit(window.top, ScaleFactor, StorageCardFolders(), room);
    shownCards = cards.size();
    MoveWindow(dialog, 20 * ScaleFactor, y, width, BatteryPopupHeight(window.top, ScaleFactor, cards), TRUE);
}

INT_PTR OnInitDialog(HWND dialog)
{
    SIZE size = PopupSize(dialog, skinImages.batteryPopup);
    SetWindowTextW(dialog, L"Battery/Memory");
    textRect = RECT{0, 0, size.cx, size.cy};
    popupWidth = size.cx;
    PlaceBatteryPopup(dialog, popupWidth);
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

// A label, and its value right-aligned on the same line; a long label stops short of the value.
void DrawLabelledValue(HDC dc, const wchar_t* label, const wchar_t* value)
{
    DrawPopupLabelledValue(dc, label, value, textRect, 4 * ScaleFactor);
}

// The frame pen and fill brush of one paint, and the context they draw on.
struct BarPainter {
    HDC dc;
    HPEN frame;
    HBRUSH fill;
};

void DrawUsageBar(const BarPainter& painter, ULONGLONG total, ULONGLONG free)
{
    UsageBar bar = UsageBarFor(textRect, ScaleFactor, total, free);
    {
        ScopedSelectObject selected(painter.dc, painter.frame);
        const RECT& f = bar.frame;
        MoveToEx(painter.dc, f.left, f.bottom, nullptr);
        LineTo(painter.dc, f.left, f.top);
        LineTo(painter.dc, f.right, f.top);
        LineTo(painter.dc, f.right, f.bottom);
        LineTo(painter.dc, f.left, f.bottom);
    }
    if (bar.fill.right > bar.fill.left)
        FillRect(painter.dc, &bar.fill, painter.fill);
}

// A labelled line with a free-space value, then its usage bar on the next line.
void DrawStore(const BarPainter& painter, const wchar_t* label, const FolderSpace& space)
{
    HDC dc = painter.dc;
    wchar_t value[kValueCapacity];
    NextLine();
    FormatFreeMegabytes(space.totalFree, value, kValueCapacity);
    DrawLabelledValue(dc, label, value);
    NextLine();
    DrawUsageBar(painter, space.total, space.totalFree);
}

void DrawValues(const BarPainter& painter, int width)
{
    HDC dc = painter.dc;
    int s = ScaleFactor;
    textRect = RECT{5 * s, 0, width - 5 * s, 20 * s};
    DrawPopupText(dc, L"Battery/Memory", textRect, DT_LEFT);

    wchar_t value[kValueCapacity];
    textRect.top += 20 * s;
    textRect.bottom = textRect.top + 15 * s;
    FormatBatteryPercent(MainBatteryLifePercent(), value, kValueCapacity);
    DrawLabelledValue(dc, L"Main Battery", value);

    PhysicalMemory memory = ReadPhysicalMemory();
    NextLine();
    FormatFreeMegabytes(memory.available, value, kValueCapacity);
    DrawLabelledValue(dc, L"Main Memory", value);
    NextLine();
    DrawUsageBar(painter, memory.total, memory.available);

    DrawStore(painter, L"Internal Storage", FreeSpaceOfFolder(nullptr));
    size_t drawn = 0;
    for (const std::wstring& card : StorageCardFolders()) {
        if (card.empty())
            continue;
        if (drawn++ == shownCards)
            break;
        std::wstring folder = L"\\" + card;
        DrawStore(painter, card.c_str(), FreeSpaceOfFolder(folder.c_str()));
    }
}

INT_PTR OnPaint(HWND dialog)
{
    ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(kUsageFillColour));
    ScopedGdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, kUsageFrameColour));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    const SkinImage& image = skinImages.batteryPopup;
    DrawPopupImage(dc, image, RECT{0, 0, image.width * ImageScale, image.height * ImageScale}, kBatteryImageKey);
    DrawValues(BarPainter{dc, frame.get(), fill.get()}, popupWidth);
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
    case WM_COMMAND:      return LOWORD(wParam) == IDOK ? OnClosePopup(dialog, IDOK) : FALSE;   // a close command
    default:              return FALSE;
    }
}

} // namespace

void OpenBatteryPopup()
{
    DialogBoxParamW(barInstance, MAKEINTRESOURCEW(IDD_BATTERY_POPUP), nullptr, BatteryPopupProc, 0);
    batteryPopupWindow = nullptr;
}
