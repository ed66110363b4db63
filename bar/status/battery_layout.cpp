// Battery popup arithmetic: its height, the usage bars and the value texts.
#include "bar/status/battery_layout.h"
#include <strsafe.h>

int BatteryPopupHeight(int top, int scaleFactor, const std::vector<std::wstring>& cardNames)
{
    int height = top + 95 * scaleFactor + 10 * scaleFactor;
    for (const std::wstring& name : cardNames)
        if (!name.empty())
            height += 30 * scaleFactor;
    return height;
}

std::vector<std::wstring> CardsThatFit(int top, int scaleFactor, const std::vector<std::wstring>& cardNames, int room)
{
    std::vector<std::wstring> shown;
    int height = BatteryPopupHeight(top, scaleFactor, shown);
    for (const std::wstring& name : cardNames) {
        if (name.empty())
            continue;
        height += 30 * scaleFactor;
        if (height > room)
            break;
        shown.push_back(name);
    }
    return shown;
}

UsageBar UsageBarFor(const RECT& line, int scaleFactor, ULONGLONG total, ULONGLONG free)
{
    int s = scaleFactor;
    UsageBar bar;
    bar.frame = RECT{line.left, line.top + 2 * s, line.right, line.bottom - 2 * s};
    // The frame's lines are one pixel wide at every scale and pass through its
    // corners, so the inside starts one pixel in and ends at the far lines.
    bar.fill = RECT{bar.frame.left + 1, bar.frame.top + 1, bar.frame.right, bar.frame.bottom};
    // No storage behind the path: nothing to show rather than a NaN-wide bar.
    ULONGLONG used = free < total ? total - free : 0;
    double fraction = total == 0 ? 0.0 : static_cast<double>(used) / static_cast<double>(total);
    bar.fill.right = bar.fill.left + static_cast<int>(fraction * (bar.fill.right - bar.fill.left));
    return bar;
}

void FormatBatteryPercent(BYTE percent, wchar_t* out, size_t capacity)
{
    int shown = percent > 100 ? -1 : percent;
    StringCchPrintfW(out, capacity, L"%d%%", shown);
}

void FormatFreeMegabytes(ULONGLONG bytes, wchar_t* out, size_t capacity)
{
    StringCchPrintfW(out, capacity, L"%.2f MB/Free", static_cast<double>(bytes) / 1048576.0);
}
