// The device's message box layout: margins, buttons and the window, in pixels at the screen's scale.
#include "emulator/lib/message_box_layout.h"
#include <algorithm>

namespace {

// At scale 1: the screen's margin on either side, the client's margin, the buttons.
constexpr int kScreenMargin = 4;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 46;
constexpr int kButtonHeight = 20;
constexpr int kButtonGap = 6;

int WindowWidth(SIZE screen, int scale)
{
    return static_cast<int>(screen.cx) - 2 * kScreenMargin * scale;
}

} // namespace

int MessageBoxTextWidth(SIZE screen, int scale, SIZE frame)
{
    return std::max(0, WindowWidth(screen, scale) - static_cast<int>(frame.cx) - 2 * kMargin * scale);
}

MessageBoxLayout LayOutMessageBox(SIZE screen, int scale, SIZE frame, int textHeight, int buttonCount)
{
    MessageBoxLayout l;
    const int margin = kMargin * scale;
    const int buttonWidth = kButtonWidth * scale, buttonHeight = kButtonHeight * scale, gap = kButtonGap * scale;
    const int windowWidth = WindowWidth(screen, scale);
    const int clientWidth = windowWidth - static_cast<int>(frame.cx);
    const int frameHeight = static_cast<int>(frame.cy);
    const int room = std::max(0, static_cast<int>(screen.cy) - frameHeight - 3 * margin - buttonHeight);
    const int height = std::min(std::max(textHeight, 0), room);
    const int clientHeight = margin + height + margin + buttonHeight + margin;
    const int windowHeight = clientHeight + frameHeight;
    const int left = (static_cast<int>(screen.cx) - windowWidth) / 2;
    const int top = std::max(0, (static_cast<int>(screen.cy) - windowHeight) / 2);
    l.window = RECT{left, top, left + windowWidth, top + windowHeight};
    l.text = RECT{margin, margin, margin + MessageBoxTextWidth(screen, scale, frame), margin + height};

    const int count = std::min(std::max(buttonCount, 1), kMessageBoxMaxButtons);
    int x = (clientWidth - (count * buttonWidth + (count - 1) * gap)) / 2;
    const int y = clientHeight - margin - buttonHeight;
    for (int i = 0; i < count; ++i, x += buttonWidth + gap)
        l.buttons[i] = RECT{x, y, x + buttonWidth, y + buttonHeight};
    return l;
}
