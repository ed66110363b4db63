// The device's colour and file choosers and its message box fit every screen the device comes with.
#include <gtest/gtest.h>
#include "emulator/lib/colour_chooser_layout.h"
#include "emulator/lib/file_chooser_logic.h"
#include "emulator/lib/message_box_layout.h"

namespace {

struct Screen {
    int width, height, scale;
};

// The four screens; the client area loses the taskbar (26) and a caption with frame (30).
const Screen kScreens[] = {{240, 320, 1}, {320, 240, 1}, {240, 240, 1}, {480, 640, 2}};

SIZE ClientOf(const Screen& s)
{
    return SIZE{s.width - 6 * s.scale, s.height - 56 * s.scale};
}

bool Inside(const RECT& r, SIZE client)
{
    return r.left >= 0 && r.top >= 0 && r.right <= client.cx && r.bottom <= client.cy && r.left < r.right &&
           r.top < r.bottom;
}

} // namespace

TEST(DeviceDialogs, EveryPartOfBothChoosersLiesInTheClientAreaOfEveryScreen)
{
    for (const Screen& s : kScreens) {
        const SIZE client = ClientOf(s);
        const ColourChooserLayout colour = LayOutColourChooser(client, s.scale);
        EXPECT_GE(colour.cell, 12 * s.scale) << s.width << "x" << s.height;
        for (const RECT& r : {colour.basicLabel, colour.customLabel, colour.current, colour.add, colour.ok, colour.cancel})
            EXPECT_TRUE(Inside(r, client)) << s.width << "x" << s.height;
        for (int swatch = 0; swatch < kBasicColourCount + kCustomColourCount; ++swatch) {
            const RECT r = SwatchRect(colour, swatch);
            EXPECT_TRUE(Inside(r, client)) << swatch;
            EXPECT_EQ(SwatchAt(colour, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), swatch);
            if (swatch < kBasicColourCount) {
                EXPECT_LE(r.bottom, colour.customLabel.top);
            }
        }
        const FileChooserLayout file = LayOutFileChooser(client, s.scale);
        for (const RECT& r : {file.folder, file.list, file.ok, file.cancel})
            EXPECT_TRUE(Inside(r, client)) << s.width << "x" << s.height;
        EXPECT_LE(file.list.bottom, file.filter.top);
    }
}

TEST(DeviceDialogs, TheMessageBoxLiesOnEveryScreenWithItsTextWholeAndItsButtonsBelow)
{
    for (const Screen& s : kScreens) {
        const SIZE screen{s.width, s.height}, frame{6 * s.scale, 26 * s.scale};   // borders and caption
        EXPECT_GE(MessageBoxTextWidth(screen, s.scale, frame), s.width - 40 * s.scale) << s.width;
        for (int height : {13 * s.scale, 39 * s.scale, 5000}) {
            const MessageBoxLayout box = LayOutMessageBox(screen, s.scale, frame, height, 3);
            EXPECT_TRUE(Inside(box.window, screen)) << s.width << "x" << s.height << ", text " << height;
            const SIZE client{box.window.right - box.window.left - frame.cx, box.window.bottom - box.window.top - frame.cy};
            EXPECT_TRUE(Inside(box.buttons[0], client) && Inside(box.buttons[2], client));
            EXPECT_GE(box.buttons[0].top, box.text.bottom);
            if (height < 5000) {
                EXPECT_EQ(box.text.bottom - box.text.top, height) << "every line shown";
            }
        }
    }
}
