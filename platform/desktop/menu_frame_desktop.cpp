// The desktop's popup menu frame. On the handheld its own menu frame's width takes this place.
#include "platform/menu_frame.h"
#include "platform/scoped_win.h"

namespace {

// The popup's margin inside its window on each side (measured under Wine 8: a menu
// of owner-drawn items is their width + twice the menu font's average character
// width + 6; 18 pixels at 96 dpi, 30 at 192).
constexpr int kMenuMargin = 3;

// The menu font's average character width, rounded as the system rounds it: the
// width of the 52 letters, halved after dividing by 26.
int MenuCharWidth()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return 8;
    ScopedFont font(CreateFontIndirectW(&metrics.lfMenuFont));
    ScopedGetDC dc(nullptr);
    ScopedSelectObject selected(dc.get(), font.get());
    static const wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE size = {0, 0};
    if (!selected.ok() || !GetTextExtentPoint32W(dc.get(), kAlphabet, 52, &size))
        return 8;
    return (size.cx / 26 + 1) / 2;
}

} // namespace

int PopupMenuFrameWidth()
{
    static const int width = 2 * MenuCharWidth() + 2 * kMenuMargin;
    return width;
}
