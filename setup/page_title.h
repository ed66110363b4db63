// The painted title band of every page and of the About dialog.
#pragma once
#include <windows.h>

struct PageTitleLook {
    int scale;          // 1 below 97 pixels per logical inch, else 2
    int fontHeight;     // character height of the bold Tahoma title font
    RECT textRect;      // where the text is drawn, left-aligned from the top
    int ruleY;          // the rule line under the band
    int ruleLength;     // from x = 0
    int ruleWidth;      // pen width
};

constexpr COLORREF kPageTitleColor = RGB(0, 70, 140);

// The title's geometry for a horizontal density and a screen size.
PageTitleLook PageTitleLookFor(int logPixelsX, int screenWidth, int screenHeight);

// Paints text as the title band into dc, then restores dc's font and pen.
void DrawPageTitle(HDC dc, const wchar_t* text);
