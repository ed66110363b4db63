// The device's open-file chooser (GetOpenFileNameW of commdlg.dll): one folder at a time
// in a list over the screen, the filter below it, OK and Cancel.
#include "emulator/dlls/device_dialog.h"
#include "emulator/lib/file_chooser_logic.h"
#include "platform/common_dialogs.h"
#include <commdlg.h>
#include <strsafe.h>

namespace {

constexpr int kFolderLabel = 100, kEntryList = 101, kFilterBox = 102;

struct FileChoice {
    DeviceOpenFileName* request;
    std::vector<std::pair<std::wstring, std::wstring>> filters;
    std::wstring folder;
    std::vector<FolderEntry> entries;
};

FileChoice* ChoiceOf(HWND dialog)
{
    return reinterpret_cast<FileChoice*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

std::wstring StartFolder(const DeviceOpenFileName& request)
{
    wchar_t full[MAX_PATH] = L"";
    const wchar_t* wanted = request.lpstrInitialDir ? request.lpstrInitialDir : L"\\";
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (GetFullPathNameW(wanted, MAX_PATH, full, nullptr))
        attributes = GetFileAttributesW(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        GetFullPathNameW(L"\\", MAX_PATH, full, nullptr);
    return full;
}

void ShowFolder(HWND dialog, FileChoice* choice)
{
    const LRESULT filter = SendDlgItemMessageW(dialog, kFilterBox, CB_GETCURSEL, 0, 0);
    const std::wstring patterns =
        filter >= 0 && size_t(filter) < choice->filters.size() ? choice->filters[filter].second : L"*";
    choice->entries = ListFolder(choice->folder, patterns);
    SetDlgItemTextW(dialog, kFolderLabel, choice->folder.c_str());
    HWND list = GetDlgItem(dialog, kEntryList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FolderEntry& entry : choice->entries) {
        const std::wstring row = entry.folder ? L"[" + entry.name + L"]" : entry.name;
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
}

BOOL OnInitDialog(HWND dialog, FileChoice* choice)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(choice));
    devdlg::CoverScreenBelowTaskbar(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    const FileChooserLayout l = LayOutFileChooser(SIZE{client.right, client.bottom}, devdlg::ScreenScale());
    devdlg::AddControl(dialog, L"STATIC", kFolderLabel, L"", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, l.folder);
    devdlg::AddControl(dialog, L"LISTBOX", kEntryList, L"", LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
                       l.list);
    HWND filter = devdlg::AddControl(dialog, L"COMBOBOX", kFilterBox, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                     l.filter);
    for (const auto& f : choice->filters)
        SendMessageW(filter, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.first.c_str()));
    const DWORD index = choice->request->nFilterIndex;
    SendMessageW(filter, CB_SETCURSEL, index > 0 && index <= choice->filters.size() ? index - 1 : 0, 0);
    devdlg::AddControl(dialog, L"BUTTON", IDOK, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, l.ok);
    devdlg::AddControl(dialog, L"BUTTON", IDCANCEL, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, l.cancel);
    ShowFolder(dialog, choice);
    return TRUE;
}

// OK or a double tap: a folder opens, a file is the answer.
void OnChoose(HWND dialog, FileChoice* choice)
{
    const LRESULT row = SendDlgItemMessageW(dialog, kEntryList, LB_GETCURSEL, 0, 0);
    if (row < 0 || size_t(row) >= choice->entries.size())
        return;
    const FolderEntry entry = choice->entries[row];
    if (entry.folder) {
        choice->folder = entry.name == L".." ? ParentFolder(choice->folder) : JoinPath(choice->folder, entry.name);
        ShowFolder(dialog, choice);
        return;
    }
    DeviceOpenFileName& request = *choice->request;
    const std::wstring path = JoinPath(choice->folder, entry.name);
    if (!request.lpstrFile || request.nMaxFile <= path.size())
        return;
    StringCchCopyW(request.lpstrFile, request.nMaxFile, path.c_str());
    request.nFileOffset = static_cast<WORD>(path.size() - entry.name.size());
    const size_t dot = entry.name.find_last_of(L'.');
    request.nFileExtension = static_cast<WORD>(dot == std::wstring::npos ? 0 : request.nFileOffset + dot + 1);
    request.nFilterIndex = static_cast<DWORD>(SendDlgItemMessageW(dialog, kFilterBox, CB_GETCURSEL, 0, 0) + 1);
    EndDialog(dialog, TRUE);
}

void OnCommand(HWND dialog, FileChoice* choice, int id, int code)
{
    if (id == IDOK || (id == kEntryList && code == LBN_DBLCLK))
        OnChoose(dialog, choice);
    else if (id == kFilterBox && code == CBN_SELCHANGE)
        ShowFolder(dialog, choice);
    else if (id == IDCANCEL)
        EndDialog(dialog, FALSE);
}

INT_PTR CALLBACK FileProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    FileChoice* choice = message == WM_INITDIALOG ? nullptr : ChoiceOf(dialog);
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog, reinterpret_cast<FileChoice*>(lParam));
    case WM_COMMAND:
        if (choice)
            OnCommand(dialog, choice, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

extern "C" BOOL WINAPI DeviceGetOpenFileName(DeviceOpenFileName* request)
{
    // The handheld's record, or a longer desktop one: only the handheld's fields are used.
    if (!request || request->lStructSize < sizeof(DeviceOpenFileName))
        return FALSE;
    FileChoice choice{request, ReadFilterList(request->lpstrFilter), StartFolder(*request), {}};
    if (choice.filters.empty())
        choice.filters.emplace_back(L"All (*.*)", L"*");
    const wchar_t* title = request->lpstrTitle ? request->lpstrTitle : L"Open";
    return devdlg::RunDialog(request->hwndOwner, title, FileProc, reinterpret_cast<LPARAM>(&choice)) == TRUE;
}
