// The Timer page: the clock's pattern, separator, font, size and colour.
#pragma once
#include "platform/scoped_win.h"
#include "setup/setup_page.h"
#include <string>
#include <vector>

class CSetTime : public CSetupPage {
public:
    explicit CSetTime(HINSTANCE module);
    ~CSetTime() override;
    // Fails, with its message, when a box is empty; otherwise sets the device's
    // time pattern and separator and fills the clock's font values.
    bool StorePage() override;

protected:
    void OnInitPage() override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    std::vector<std::wstring> Entries(int box) const;
    void SelectByPrefix(int box, const std::wstring& prefix);
    void FillPatterns(const std::wstring& separator);
    void FillFonts();
    void OnSeparatorChange(bool edited);
    void RefreshSample();
    void ChooseTextColor();
    void SetColor(COLORREF color);

    int patternForm_ = -1;   // TimePatterns index of the pattern chosen last
    COLORREF color_ = 0;
    ScopedBrush colorBrush_;
};
