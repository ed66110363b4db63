// Title text and rule line, in the page's own coordinates.
#include "setup/page_title.h"
#include "platform/scoped_win.h"
#include <strsafe.h>

PageTitleLook PageTitleLookFor(int logPixelsX, int screenWidth, int screenHeight)
{
    const int scale = logPixelsX < 97 ? 1 : 2;
    PageTitleLook look{};
    look.scale = scale;
    look.fontHeight = -11 * scale;
    look.textRect = RECT{10 * scale, 0, 240 * scale, 25 * scale};
    look.ruleY = 25 * scale;
    look.ruleLength = (screenWidth > screenHeight ? 320 : 240) * scale;
    look.ruleWidth = scale;
    return look;
}

void DrawPageTitle(HDC dc, const wchar_t* text)
{
    const PageTitleLook look = PageTitleLookFor(GetDeviceCaps(dc, LOGPIXELSX), GetSystemMetrics(SM_CXSCREEN),
                                                GetSystemMetrics(SM_CYSCREEN));
    LOGFONTW logFont{};
    logFont.lfHeight = look.fontHeight;
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = DEFAULT_CHARSET;
    StringCchCopyNW(logFont.lfFaceName, LF_FACESIZE, L"Tahoma", LF_FACESIZE);
    ScopedFont font(CreateFontIndirectW(&logFont));
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, look.ruleWidth, RGB(0, 0, 0)));
    ScopedSelectObject useFont(dc, font.get());
    ScopedSelectObject usePen(dc, pen.get());
    ScopedTextColor color(dc, kPageTitleColor);
    ScopedBkMode mode(dc, TRANSPARENT);

    RECT textRect = look.textRect;
    DrawTextW(dc, text, -1, &textRect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    MoveToEx(dc, 0, look.ruleY, nullptr);
    LineTo(dc, look.ruleLength, look.ruleY);
}
