// Running the bar's two popups as modal dialogs without owner.
#include "bar/status/popups.h"
#include "bar/core/bar_state.h"
#include "resources/velkis_res.h"

namespace {

// Keeps the popup's handle while it is open, so that the bar can ask it to close.
INT_PTR RunPopup(HWND* slot, UINT message, WPARAM wParam, HWND dialog)
{
    switch (message) {
    case WM_INITDIALOG:
        *slot = dialog;
        return TRUE;
    case MSG_CLOSE_POPUP:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        *slot = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK VolumePopupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return RunPopup(&volumePopupWindow, message, wParam, dialog);
}

INT_PTR CALLBACK BatteryPopupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return RunPopup(&batteryPopupWindow, message, wParam, dialog);
}

} // namespace

void OpenVolumePopup()
{
    DialogBoxParamW(barInstance, MAKEINTRESOURCEW(IDD_VOLUME_POPUP), nullptr, VolumePopupProc, 0);
    volumePopupWindow = nullptr;
}

void OpenBatteryPopup()
{
    DialogBoxParamW(barInstance, MAKEINTRESOURCEW(IDD_BATTERY_POPUP), nullptr, BatteryPopupProc, 0);
    batteryPopupWindow = nullptr;
}
