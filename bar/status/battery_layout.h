// Geometry and texts of the battery/memory popup, without a window.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

constexpr COLORREF kUsageFrameColour = RGB(0, 128, 255);
constexpr COLORREF kUsageFillColour = RGB(38, 245, 38);

// Window height for a template top t: t + 105 x scale, and 30 x scale more for
// every card whose name is not empty.
int BatteryPopupHeight(int top, int scaleFactor, const std::vector<std::wstring>& cardNames);

// The cards the popup shows: the named ones in enumeration order, as many as fit
// when the popup may be room pixels tall; the later ones are left out.
std::vector<std::wstring> CardsThatFit(int top, int scaleFactor, const std::vector<std::wstring>& cardNames, int room);

// The usage bar drawn in a text line's rectangle for used = total - free: the
// frame's corners (its lines run through them) and the filled part. A total of 0
// fills nothing; free above total (a store that misreports) fills nothing either.
struct UsageBar {
    RECT frame;
    RECT fill;
};
UsageBar UsageBarFor(const RECT& line, int scaleFactor, ULONGLONG total, ULONGLONG free);

// "%d%%" of the battery's life per cent; anything above 100 (unknown) reads "-1%".
void FormatBatteryPercent(BYTE percent, wchar_t* out, size_t capacity);

// "%.2f MB/Free" with MB = bytes / 1048576.
void FormatFreeMegabytes(ULONGLONG bytes, wchar_t* out, size_t capacity);
