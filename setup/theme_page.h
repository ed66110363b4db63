// The My Theme page: the skins to choose from and the active one.
#pragma once
#include "setup/setup_page.h"
#include "setup/theme_skins.h"

class CChangeTheme : public CSetupPage {
public:
    explicit CChangeTheme(HINSTANCE module);
    // Nothing is stored without a selected row; otherwise the theme file and the
    // whole "User Theme" list.
    bool StorePage() override;

protected:
    void OnInitPage() override;
    bool OnCommand(WORD id, WORD code) override;
    void OnPainted() override;

private:
    HWND List() const;
    void InsertRow(int row, const std::wstring& skin);
    void AddTheme();
    void DeleteTheme();

    ThemeRows rows_;
    wchar_t programFolder_[kProgramFolderCapacity];
};
