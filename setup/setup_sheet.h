// The property sheet "Velkis Option": its pages, the settings record, OK and Exit.
#pragma once
#include <windows.h>
#include "platform/scoped_win.h"
#include "setup/order_page.h"
#include "setup/setup_settings.h"
#include "setup/sheet_host.h"
#include "setup/theme_page.h"
#include "setup/timer_page.h"

class CSetupDlg final : public SheetHost {
public:
    // Builds the pages, gives each the settings record and loads it.
    CSetupDlg(HINSTANCE module, const wchar_t* programFolder);
    ~CSetupDlg();
    CSetupDlg(const CSetupDlg&) = delete;
    CSetupDlg& operator=(const CSetupDlg&) = delete;

    // Shows the sheet modally until it closes.
    void DoModal();
    // The sheet object of a sheet window, or null.
    static CSetupDlg* FromWindow(HWND sheet);

    bool SaveAndNotify() override;
    // Exit: the menu bars go and the sheet closes without saving.
    void CloseSheet();
    void PlacePage(HWND page) const override;

    SetupSettings settings;

private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND window);
    void LayoutSheet() const;
    void NotifyRunningBar(HWND bar);

    HINSTANCE module_;
    wchar_t programFolder_[kProgramFolderCapacity];
    COrder order_;
    CSetTime timer_;
    CChangeTheme theme_;
    ScopedIcon icon_;
    HWND window_ = nullptr;
    WNDPROC comctlProc_ = nullptr;
};
