// The device's message box on paper: a window as wide as the screen allows, its text and buttons.
#pragma once
#include <windows.h>

constexpr int kMessageBoxMaxButtons = 3;

struct MessageBoxLayout {
    RECT window{};                                // screen coordinates, centred on the screen
    RECT text{};                                  // client coordinates
    RECT buttons[kMessageBoxMaxButtons]{};        // client coordinates, a centred row at the bottom
};

// The width the text wraps to on screen at scale (1 at 96 dpi, 2 at 192), in a window
// whose frame (borders and caption) adds frame to its client area.
int MessageBoxTextWidth(SIZE screen, int scale, SIZE frame);

// The box for text that is textHeight pixels high when wrapped to MessageBoxTextWidth,
// with buttonCount (1 to 3) buttons. Text taller than the screen leaves is cut to it.
MessageBoxLayout LayOutMessageBox(SIZE screen, int scale, SIZE frame, int textHeight, int buttonCount);
