// The device panel: two pages of rows (power and storage; phone and sound). A tap on a
// row's button writes the changed device state; the bar sees it at its next refresh.
#include "emulator/shell/device_panel.h"
#include "emulator/shell/shell_app.h"
#include "emulator/shell/shell_state.h"
#include "emulator/lib/device_panel_rows.h"
#include "emulator/lib/screen_rotation.h"
#include "emulator/lib/plain_paint.h"
#include "emulator/protocol.h"
#include "platform/device_reset.h"
#include "platform/scoped_win.h"
#include <windowsx.h>

namespace emu {

namespace {

PanelPage page = PanelPage::Power;

void PaintTabs(HDC dc, const PanelGeometry& g, int width)
{
    const wchar_t* names[] = {L"Power", L"Phone"};
    for (int tab = 0; tab < 2; ++tab) {
        RECT r = g.TabRect(tab, width);
        const bool current = static_cast<int>(page) == tab;
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(current ? WHITE_BRUSH : LTGRAY_BRUSH)));
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        DrawTextW(dc, names[tab], -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void PaintRow(HDC dc, const PanelGeometry& g, const PanelRow& row, int index, int width)
{
    const int s = g.scale;
    const RECT line = g.RowRect(index, width);
    RECT label{line.left + 4 * s, line.top, line.left + width * 2 / 5, line.bottom};
    DrawTextW(dc, row.label.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    const int buttonsLeft = row.buttons.empty() ? line.right : g.ButtonRect(row, index, 0, width).left;
    RECT value{label.right, line.top, buttonsLeft - 2 * s, line.bottom};
    DrawTextW(dc, row.value.c_str(), -1, &value, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    for (size_t b = 0; b < row.buttons.size(); ++b) {
        RECT button = g.ButtonRect(row, index, b, width);
        DrawFrameControl(dc, &button, DFC_BUTTON, DFCS_BUTTONPUSH);
        DrawTextW(dc, row.buttons[b].text.c_str(), -1, &button, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void OnPaint(HWND window)
{
    PlainPaint paint(window);
    HDC dc = paint.dc();
    RECT r = paint.client();
    const PanelGeometry g = PanelGeometryFor(ShellScale());
    ScopedGdiObject<HFONT> font(CreateShellAppFont(12 * g.scale, FW_NORMAL));
    ScopedSelectObject selected(dc, font.get());
    PaintTabs(dc, g, r.right);
    const std::vector<PanelRow> rows = PanelRows(page, ReadDeviceState(), CurrentScreenSize());
    for (size_t i = 0; i < rows.size(); ++i)
        PaintRow(dc, g, rows[i], static_cast<int>(i), r.right);
}

void Press(const PanelButton& button)
{
    if (button.action == PanelAction::Reset) {
        RequestDeviceReset();
        return;
    }
    if (button.action == PanelAction::Rotate) {
        SIZE now;
        RequestScreenTurn(Orientation::Other, 10000, &now);   // the panel follows at WM_DISPLAYCHANGE
        return;
    }
    WriteDeviceState(ApplyPanelAction(ReadDeviceState(), button));
}

void OnStylusUp(HWND window, LPARAM lParam)
{
    RECT r;
    GetClientRect(window, &r);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const PanelGeometry g = PanelGeometryFor(ShellScale());
    for (int tab = 0; tab < 2; ++tab) {
        const RECT t = g.TabRect(tab, r.right);
        if (PtInRect(&t, p))
            page = static_cast<PanelPage>(tab);
    }
    const std::vector<PanelRow> rows = PanelRows(page, ReadDeviceState(), CurrentScreenSize());
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t b = 0; b < rows[i].buttons.size(); ++b) {
            const RECT button = g.ButtonRect(rows[i], static_cast<int>(i), b, r.right);
            if (PtInRect(&button, p))
                Press(rows[i].buttons[b]);
        }
    }
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(window); return 0;
    case WM_LBUTTONUP: OnStylusUp(window, lParam); return 0;
    }
    return ShellAppDefProc(window, message, wParam, lParam);
}

} // namespace

HWND CreateDevicePanel(HINSTANCE instance)
{
    return CreateShellAppWindow(instance, PanelProc, kSettingsClass, kSettingsTitle);
}

} // namespace emu
