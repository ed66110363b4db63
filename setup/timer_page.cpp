// The Timer page's boxes, its sample, its colour and what it stores.
#include "setup/timer_page.h"
#include "setup/timer_rules.h"
#include "common/ini.h"
#include "platform/common_dialogs.h"
#include "platform/message_box.h"
#include "platform/regional_settings.h"
#include "platform/scoped_win.h"
#include "resources/tormalin_res.h"
#include <commdlg.h>
#include <strsafe.h>
#include <cstdlib>

namespace {

constexpr LCID kSystemDefaultLocale = 0x800;
constexpr size_t kSeparatorCapacity = 20;   // "STime", at most 40 bytes
constexpr size_t kPatternCapacity = 60;     // "STFmt", at most 120 bytes

// The colour dialog's custom colours, kept for the program's whole run.
COLORREF g_customColors[16];

std::wstring BoxText(HWND box, int characters)
{
    std::vector<wchar_t> text(static_cast<size_t>(characters) + 1, L'\0');
    GetWindowTextW(box, text.data(), characters + 1);
    return text.data();
}

int CALLBACK AddFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM box)
{
    SendMessageW(reinterpret_cast<HWND>(box), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
    return 1;
}

} // namespace

CSetTime::CSetTime(HINSTANCE module) : CSetupPage(module, {IDD_TIMER, IDD_TIMER, IDD_TIMER}, L"Set Time")
{
}

CSetTime::~CSetTime() = default;

std::vector<std::wstring> CSetTime::Entries(int box) const
{
    HWND control = GetDlgItem(window_, box);
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, CB_GETLBTEXTLEN, i, 0);
        std::vector<wchar_t> text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        if (length > 0)
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        entries.push_back(text.data());
    }
    return entries;
}

void CSetTime::SelectByPrefix(int box, const std::wstring& prefix)
{
    SendDlgItemMessageW(window_, box, CB_SETCURSEL, PrefixSearch(Entries(box), prefix), 0);
}

void CSetTime::OnInitPage()
{
    wchar_t separator[kSeparatorCapacity];
    if (!ReadTimeSetting(kTimeSeparatorValue, separator, kSeparatorCapacity))
        StringCchCopyW(separator, kSeparatorCapacity, L":");
    SendDlgItemMessageW(window_, IDC_TIME_SEPARATOR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(separator));
    SendDlgItemMessageW(window_, IDC_TIME_SEPARATOR, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(window_, IDC_TIME_SEPARATOR, CB_LIMITTEXT, 3, 0);

    wchar_t pattern[kPatternCapacity];
    if (!ReadTimeSetting(kTimePatternValue, pattern, kPatternCapacity))
        StringCchCopyW(pattern, kPatternCapacity, DefaultTimePattern(separator).c_str());
    FillPatterns(separator);
    SendDlgItemMessageW(window_, IDC_TIME_STYLE, CB_SETCURSEL, DevicePatternEntry(Entries(IDC_TIME_STYLE), pattern), 0);

    FillFonts();
    SelectByPrefix(IDC_TIME_FONT, settings_->timerFontName);

    for (float size : TimerSizes()) {
        const std::string text = FormatTimerSize(size);
        SendDlgItemMessageW(window_, IDC_TIME_SIZE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(std::wstring(text.begin(), text.end()).c_str()));
    }
    const std::string stored = FormatTimerSize(settings_->timerSize);
    SelectByPrefix(IDC_TIME_SIZE, std::wstring(stored.begin(), stored.end()));

    RefreshSample();
    SetColor(settings_->timerColor);
}

void CSetTime::FillPatterns(const std::wstring& separator)
{
    HWND box = GetDlgItem(window_, IDC_TIME_STYLE);
    for (const std::wstring& pattern : TimePatterns(separator))
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern.c_str()));
}

void CSetTime::FillFonts()
{
    HWND box = GetDlgItem(window_, IDC_TIME_FONT);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    ScopedGetDC dc(window_);
    EnumFontFamiliesW(dc.get(), nullptr, AddFontFamily, reinterpret_cast<LPARAM>(box));
}

bool CSetTime::OnCommand(WORD id, WORD code)
{
    if (id == IDC_TIME_SEPARATOR && (code == CBN_EDITCHANGE || code == CBN_CLOSEUP)) {
        OnSeparatorChange(code == CBN_EDITCHANGE);
        return true;
    }
    if (id == IDC_TIME_STYLE && code == CBN_CLOSEUP) {
        RefreshSample();
        return true;
    }
    if (id == IDC_COLOR && code == BN_CLICKED) {
        ChooseTextColor();
        return true;
    }
    return false;
}

void CSetTime::OnSeparatorChange(bool edited)
{
    HWND separatorBox = GetDlgItem(window_, IDC_TIME_SEPARATOR);
    std::wstring separator;
    if (edited) {
        separator = BoxText(separatorBox, 4);
    } else {
        const int chosen = static_cast<int>(SendMessageW(separatorBox, CB_GETCURSEL, 0, 0));
        if (chosen < 0)
            return;
        separator = Entries(IDC_TIME_SEPARATOR)[static_cast<size_t>(chosen)];
    }
    HWND styleBox = GetDlgItem(window_, IDC_TIME_STYLE);
    // The form survives edits that empty the list (deleting the old separator first).
    const int selected = static_cast<int>(SendMessageW(styleBox, CB_GETCURSEL, 0, 0));
    if (selected >= 0)
        patternForm_ = TimePatternForm(Entries(IDC_TIME_STYLE)[static_cast<size_t>(selected)]);
    SendMessageW(styleBox, CB_RESETCONTENT, 0, 0);
    if (!ValidSeparator(separator)) {
        // Typing goes on over the whole bad text.
        if (!separator.empty())
            SendMessageW(separatorBox, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        RefreshSample();
        return;
    }
    FillPatterns(separator);
    // The box sorts its entries, so the same form may stand at another place now.
    const int same = patternForm_ >= 0 ? ExactEntry(Entries(IDC_TIME_STYLE), TimePatterns(separator)[patternForm_]) : -1;
    SendMessageW(styleBox, CB_SETCURSEL, same >= 0 ? same : 0, 0);
    RefreshSample();
}

void CSetTime::RefreshSample()
{
    wchar_t sample[20] = L"";
    if (SendDlgItemMessageW(window_, IDC_TIME_STYLE, CB_GETCOUNT, 0, 0) > 0) {
        const std::wstring pattern = BoxText(GetDlgItem(window_, IDC_TIME_STYLE), 19);
        if (!GetTimeFormatW(kSystemDefaultLocale, TIME_NOSECONDS | TIME_NOTIMEMARKER, nullptr, pattern.c_str(),
                            sample, 20))
            sample[0] = L'\0';
    }
    SetDlgItemTextW(window_, IDC_TIME_SAMPLE, sample);
}

void CSetTime::SetColor(COLORREF color)
{
    color_ = color;
    colorBrush_.reset(CreateSolidBrush(color));
    InvalidateRect(GetDlgItem(window_, IDC_COLOR), nullptr, TRUE);
}

void CSetTime::ChooseTextColor()
{
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = nullptr;
    dialog.rgbResult = color_;
    dialog.lpCustColors = g_customColors;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseDeviceColor(&dialog))
        SetColor(dialog.rgbResult);
}

bool CSetTime::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlID != IDC_COLOR)
        return false;
    FillRect(item.hDC, &item.rcItem, colorBrush_.get() ? colorBrush_.get() : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT frame = item.rcItem;
    DrawEdge(item.hDC, &frame, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    return true;
}

bool CSetTime::StorePage()
{
    const std::wstring separator = BoxText(GetDlgItem(window_, IDC_TIME_SEPARATOR), 4);
    const std::wstring pattern = BoxText(GetDlgItem(window_, IDC_TIME_STYLE), 19);
    const std::wstring font = BoxText(GetDlgItem(window_, IDC_TIME_FONT), kTimerFontNameCapacity - 1);
    const std::wstring size = BoxText(GetDlgItem(window_, IDC_TIME_SIZE), 4);
    if (separator.empty() || pattern.empty() || font.empty() || size.empty()) {
        ShowMessageBox(window_, L"One or more of the fields are empty", L"Tormalin", MB_OK);
        return false;
    }
    SetTimeSettings(pattern.c_str(), separator.c_str());
    StringCchCopyW(settings_->timerFontName, kTimerFontNameCapacity, font.c_str());
    settings_->timerColor = color_;
    char narrow[8];
    WideToAnsi(size.c_str(), narrow, sizeof narrow);
    settings_->timerSize = static_cast<float>(atoi(narrow));
    settings_->timerFontKeys = kFontNameKey | kFontSizeKey | kFontColorKey;
    return true;
}
