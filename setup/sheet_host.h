// What a page asks of the sheet it lies in, found through the sheet's window.
#pragma once
#include <windows.h>

class SheetHost {
public:
    // The OK path: pages store, files are written, a running bar reloads, the sheet
    // closes. False when the Timer page refused its fields, or the files could not
    // be written (nothing was saved; the sheet stays open).
    virtual bool SaveAndNotify() = 0;
    // Puts a page into the sheet's page area.
    virtual void PlacePage(HWND page) const = 0;

    // The host of a sheet window, or null.
    static SheetHost* OfWindow(HWND sheet)
    {
        return sheet ? static_cast<SheetHost*>(GetPropW(sheet, kProperty)) : nullptr;
    }

protected:
    ~SheetHost() = default;
    void AttachTo(HWND sheet) { SetPropW(sheet, kProperty, this); }
    static void DetachFrom(HWND sheet) { RemovePropW(sheet, kProperty); }

private:
    static constexpr const wchar_t* kProperty = L"CSetupDlg";
};
