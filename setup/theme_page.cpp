// The My Theme page's list, its information lines, adding and deleting skins.
#include "setup/theme_page.h"
#include "setup/skin_file_dialog.h"
#include "common/ini.h"
#include "common/settings_contract.h"
#include "platform/message_box.h"
#include "resources/tormalin_res.h"
#include <strsafe.h>

namespace {

// A "Skin Info" value of a skin; "" when it cannot be read.
std::wstring SkinInfo(const std::wstring& skin, const char* key)
{
    char value[INI_LINE_MAX + 1];
    if (skin.empty() || IniReadValue(skin.c_str(), kSkinInfoSection, key, value, sizeof value) != INI_SUCCESS)
        return L"";
    wchar_t wide[INI_LINE_MAX + 1];
    AnsiToWide(value, wide, INI_LINE_MAX + 1);
    return wide;
}

} // namespace

CChangeTheme::CChangeTheme(HINSTANCE module)
    : CSetupPage(module, {IDD_THEME, IDD_THEME_LAND, IDD_THEME_SQUARE}, L"Change Theme")
{
    ProgramFolder(programFolder_, kProgramFolderCapacity);
}

HWND CChangeTheme::List() const
{
    return GetDlgItem(window_, IDC_LIST);
}

void CChangeTheme::InsertRow(int row, const std::wstring& skin)
{
    SendMessageW(List(), LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(SkinInfo(skin, "Name").c_str()));
}

void CChangeTheme::OnInitPage()
{
    rows_.found = ScanSkinFolder(programFolder_, GetSystemMetrics(SM_CXSCREEN));
    for (size_t i = 0; i < rows_.found.size(); ++i)
        InsertRow(static_cast<int>(i), rows_.found[i]);

    TakeUserThemes(&rows_, settings_->userThemes);
    for (size_t i = 0; i < rows_.added.size(); ++i)
        InsertRow(static_cast<int>(rows_.found.size() + i), rows_.added[i]);
    const int selected = ThemeRowFor(rows_, settings_->themeFile);
    if (selected >= 0)
        SendMessageW(List(), LB_SETCURSEL, selected, 0);
}

bool CChangeTheme::OnCommand(WORD id, WORD code)
{
    if (id == IDC_LIST && code == LBN_SELCHANGE) {
        // The information lines follow the selection at once.
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_ADD_THEME)
        AddTheme();
    else if (id == IDC_DELETE_THEME)
        DeleteTheme();
    else
        return false;
    return true;
}

void CChangeTheme::OnPainted()
{
    const int row = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    const std::wstring skin = ThemeRowPath(rows_, row);
    SetDlgItemTextW(window_, IDC_AUTHOR, (L"Author: " + SkinInfo(skin, "Author")).c_str());
    SetDlgItemTextW(window_, IDC_EMAIL, (L"Email: " + SkinInfo(skin, "AuthorEmail")).c_str());
    SetDlgItemTextW(window_, IDC_NOTES, (L"Notes: " + SkinInfo(skin, "Notes")).c_str());
}

void CChangeTheme::AddTheme()
{
    const std::wstring skin = ChooseSkinFile(window_);
    if (skin.empty())
        return;
    if (!RoomForAnotherSkin(rows_)) {
        ShowMessageBox(window_, L"You can't import skin,You only can add ten skins", L"Tormalin", MB_OK);
        return;
    }
    if (skin.size() >= kSkinPathCapacity)
        return;   // it would not fit its field: a cut path would name another file
    rows_.added.push_back(skin);
    InsertRow(static_cast<int>(rows_.found.size() + rows_.added.size() - 1), skin);
}

void CChangeTheme::DeleteTheme()
{
    const int row = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    if (row < 0)
        return;
    SendMessageW(List(), LB_DELETESTRING, row, 0);
    DeleteThemeRow(&rows_, row);
}

bool CChangeTheme::StorePage()
{
    const int row = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    if (row < 0)
        return true;
    StringCchCopyW(settings_->themeFile, kThemeFileCapacity, ThemeRowPath(rows_, row).c_str());
    settings_->userThemes = UserThemeValues(rows_);
    settings_->storeUserThemes = true;
    return true;
}
