// The base of the sheet's pages: what every page shares over a comctl32 property page.
#pragma once
#include <windows.h>
#include <prsht.h>
#include "setup/relayout.h"
#include "setup/setup_settings.h"

class SheetHost;

// Owns the page's window procedure, its pointer to the sheet's SetupSettings, its
// menu bar, the painted title, the layout variant on every size message and the
// apply notification (which saves through the sheet and lets comctl32 do nothing).
class CSetupPage {
public:
    CSetupPage(HINSTANCE module, const LayoutVariants& variants, const wchar_t* title);
    virtual ~CSetupPage() = default;
    CSetupPage(const CSetupPage&) = delete;
    CSetupPage& operator=(const CSetupPage&) = delete;

    void SetSettings(SetupSettings* settings) { settings_ = settings; }
    // The record comctl32 makes the page from.
    PROPSHEETPAGEW PageRecord();
    // The page's window; null until the page was first shown.
    HWND Window() const { return window_; }
    // Copies the page's controls into SetupSettings; false stops the save.
    virtual bool StorePage() = 0;
    void DestroyMenuBar();

protected:
    // The page's own part of its first showing, after the menu bar exists.
    virtual void OnInitPage() {}
    // A command of the page's controls; true when handled.
    virtual bool OnCommand(WORD, WORD) { return false; }
    // A notification of the page's controls; true when handled.
    virtual bool OnControlNotify(const NMHDR&) { return false; }
    // The controls have just moved to the screen's variant.
    virtual void OnRelayout() {}
    // The title has just been painted.
    virtual void OnPainted() {}
    // An owner-drawn control of the page; true when drawn.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

    HINSTANCE module_;
    SetupSettings* settings_ = nullptr;
    HWND window_ = nullptr;

private:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnPaint();
    void OnSize();
    INT_PTR OnNotify(const NMHDR& header);
    void OnApply();
    SheetHost* Sheet() const;

    LayoutVariants variants_;
    const wchar_t* title_;
    HWND menuBar_ = nullptr;
};

// White page backgrounds, as on the device.
HBRUSH PageBackgroundBrush();
