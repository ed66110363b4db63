// The device's colour chooser on paper: its basic colours and where each part lies.
#pragma once
#include <windows.h>

constexpr int kColourColumns = 8;
constexpr int kBasicColourRows = 6;
constexpr int kCustomColourRows = 2;
constexpr int kBasicColourCount = kColourColumns * kBasicColourRows;
constexpr int kCustomColourCount = kColourColumns * kCustomColourRows;

// Basic colour index (0 .. kBasicColourCount - 1): eight hues in rows from light to
// dark, and a row of greys from black to white.
COLORREF BasicColour(int index);

struct ColourChooserLayout {
    int cell = 0;                // side of one colour's square cell
    RECT basicLabel{}, customLabel{};
    RECT current{};              // a sample of the chosen colour, at the end of the first label's line
    POINT basicGrid{}, customGrid{};   // top-left corners of the two grids
    RECT add{}, ok{}, cancel{};  // the buttons
};

// The layout for a client area of client pixels at scale (1 at 96 dpi, 2 at 192):
// labels, the basic grid, the custom grid and a row of buttons, one under the other,
// with cells as large as fit (at most 20 pixels at scale 1).
ColourChooserLayout LayOutColourChooser(SIZE client, int scale);

// Swatch index: 0 .. kBasicColourCount - 1 the basic colours, then the custom ones.
RECT SwatchRect(const ColourChooserLayout& layout, int swatch);
// The swatch under point, or -1.
int SwatchAt(const ColourChooserLayout& layout, POINT point);
