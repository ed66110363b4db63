// Start of the setup program: common controls, then the sheet until it closes.
#include "setup/tormalin_app.h"
#include "setup/setup_sheet.h"
#include <commctrl.h>

bool CTormalinApp::InitInstance()
{
    wchar_t folder[kProgramFolderCapacity];
    // A program path too long for its buffer would name a wrong folder: no sheet then.
    if (!ProgramFolder(folder, kProgramFolderCapacity))
        return false;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CSetupDlg sheet(instance_, folder);
    sheet.DoModal();
    return false;
}
