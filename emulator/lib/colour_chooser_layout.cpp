// The device's colour chooser on paper: basic colours and layout.
#include "emulator/lib/colour_chooser_layout.h"
#include <algorithm>

namespace {

// Red, orange, yellow, green, cyan, blue, violet, magenta at full strength.
const COLORREF kHues[kColourColumns] = {RGB(255, 0, 0),   RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0),
                                        RGB(0, 255, 255), RGB(0, 0, 255),   RGB(128, 0, 255), RGB(255, 0, 255)};

// Per mille of the hue in each of the coloured rows; the first row mixes in white.
const int kStrength[kBasicColourRows - 1] = {1000, 1000, 750, 500, 250};

BYTE Mix(int channel, int strength, bool light)
{
    return static_cast<BYTE>(light ? (channel + 255) / 2 : channel * strength / 1000);
}

} // namespace

COLORREF BasicColour(int index)
{
    if (index < 0 || index >= kBasicColourCount)
        return RGB(0, 0, 0);
    const int row = index / kColourColumns, column = index % kColourColumns;
    if (row == kBasicColourRows - 1) {
        const int grey = column * 255 / (kColourColumns - 1);
        return RGB(grey, grey, grey);
    }
    const COLORREF hue = kHues[column];
    const bool light = row == 0;
    return RGB(Mix(GetRValue(hue), kStrength[row], light), Mix(GetGValue(hue), kStrength[row], light),
               Mix(GetBValue(hue), kStrength[row], light));
}

ColourChooserLayout LayOutColourChooser(SIZE client, int scale)
{
    scale = std::max(scale, 1);
    const int margin = 4 * scale, text = 14 * scale, button = 22 * scale;
    const int rows = kBasicColourRows + kCustomColourRows;
    ColourChooserLayout l;
    const int byWidth = (client.cx - 2 * margin) / kColourColumns;
    const int byHeight = (client.cy - 2 * text - button - 5 * margin) / rows;
    l.cell = std::max(1, std::min({byWidth, byHeight, 20 * scale}));
    const int width = client.cx - 2 * margin;
    int y = margin;
    l.basicLabel = RECT{margin, y, margin + width, y + text};
    const int gridRight = margin + kColourColumns * l.cell;
    l.current = RECT{gridRight - 3 * l.cell, y + scale, gridRight, y + text - scale};
    y += text;
    l.basicGrid = POINT{margin, y};
    y += kBasicColourRows * l.cell + margin;
    l.customLabel = RECT{margin, y, margin + width, y + text};
    y += text;
    l.customGrid = POINT{margin, y};
    y += kCustomColourRows * l.cell + margin;
    const int third = (width - 2 * margin) / 3;
    l.add = RECT{margin, y, margin + third, y + button};
    l.ok = RECT{l.add.right + margin, y, l.add.right + margin + third, y + button};
    l.cancel = RECT{l.ok.right + margin, y, l.ok.right + margin + third, y + button};
    return l;
}

RECT SwatchRect(const ColourChooserLayout& layout, int swatch)
{
    const bool custom = swatch >= kBasicColourCount;
    const POINT grid = custom ? layout.customGrid : layout.basicGrid;
    const int index = custom ? swatch - kBasicColourCount : swatch;
    const int left = grid.x + (index % kColourColumns) * layout.cell;
    const int top = grid.y + (index / kColourColumns) * layout.cell;
    return RECT{left, top, left + layout.cell, top + layout.cell};
}

int SwatchAt(const ColourChooserLayout& layout, POINT point)
{
    for (int swatch = 0; swatch < kBasicColourCount + kCustomColourCount; ++swatch) {
        const RECT r = SwatchRect(layout, swatch);
        if (PtInRect(&r, point))
            return swatch;
    }
    return -1;
}
