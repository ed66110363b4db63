// The system taskbar's geometry and clock rules, and the bar's points on it, without windows.
#include <gtest/gtest.h>
#include "bar/core/clock.h"
#include "bar/core/startup.h"
#include "emulator/lib/clock_width.h"
#include "emulator/lib/screen_rotation.h"
#include "emulator/lib/taskbar_layout.h"

using emu::TaskbarPlace;

namespace {

int Width(const emu::ClockSettings& s, int scale, int digital = 37)
{
    return emu::SystemClockWidthFor(s, scale, [=] { return digital; });
}

emu::ClockSettings Settings(int analog, int limited, int major, bool today)
{
    emu::ClockSettings s;
    s.analogClock = analog;
    s.limitedClock = limited;
    s.platformMajor = major;
    s.todayInFront = today;
    return s;
}

} // namespace

TEST(EmulatorClockWidth, FollowsTheClockSettings)
{
    // analog (1 or absent): the icon, unless a limited clock hides it on platform 5
    EXPECT_EQ(Width(Settings(1, 0, 5, false), 1), 20);
    EXPECT_EQ(Width(Settings(-1, 0, 5, false), 2), 40);
    EXPECT_EQ(Width(Settings(1, -1, 5, false), 1), 0);
    EXPECT_EQ(Width(Settings(1, 7, 5, false), 1), 0);
    EXPECT_EQ(Width(Settings(1, -1, 5, true), 1), 20);
    EXPECT_EQ(Width(Settings(1, -1, 4, false), 1), 20);
    // digital: the measured text, limited the same way from platform 5 on
    EXPECT_EQ(Width(Settings(0, -1, 4, false), 1), 37);
    EXPECT_EQ(Width(Settings(0, -1, 5, false), 1), 0);
    EXPECT_EQ(Width(Settings(0, -1, 5, true), 1), 37);
    EXPECT_EQ(Width(Settings(2, 0, 5, false), 1), 37);
    EXPECT_EQ(Width(Settings(0, 0, 6, false), 2, 0), 0);
}

TEST(EmulatorClockWidth, MeasuresTheTextOnlyForADigitalClock)
{
    int asked = 0;
    auto digital = [&] { ++asked; return 10; };
    emu::SystemClockWidthFor(Settings(1, 0, 5, true), 1, digital);
    emu::SystemClockWidthFor(Settings(0, -1, 5, false), 1, digital);
    EXPECT_EQ(asked, 0);
    emu::SystemClockWidthFor(Settings(0, 0, 5, false), 1, digital);
    EXPECT_EQ(asked, 1);
}

TEST(EmulatorTaskbarLayout, TheBarsTapPointsLandOnTheirIcons)
{
    for (int scale : {1, 2}) {
        for (bool phone : {true, false}) {
            for (int clock : {0, 20 * scale, 53}) {
                SCOPED_TRACE("scale " + std::to_string(scale) + " phone " + std::to_string(phone) + " clock "
                             + std::to_string(clock));
                const int w = 240 * scale, s = scale;
                const emu::TaskbarLayout l = emu::ComputeTaskbarLayout(w, s, clock, phone);
                EXPECT_EQ(l.height, 26 * s);
                // The bar's own points (their values are proven in TapPoints) hit the system's icons.
                const TapPoints p = TapPointsFor(w, s, clock, phone);
                EXPECT_EQ(emu::HitTaskbar(l, p.connection), TaskbarPlace::Connection);
                EXPECT_EQ(emu::HitTaskbar(l, p.signal), phone ? TaskbarPlace::Signal : TaskbarPlace::Connection);
                EXPECT_EQ(emu::HitTaskbar(l, p.clock), clock ? TaskbarPlace::Clock : TaskbarPlace::None);
                EXPECT_EQ(emu::HitTaskbar(l, POINT{w - 13 * s, 13 * s}), TaskbarPlace::Close);
                EXPECT_EQ(emu::HitTaskbar(l, POINT{0, 0}), TaskbarPlace::Start);
                EXPECT_EQ(emu::HitTaskbar(l, POINT{60 * s - 1, 26 * s - 1}), TaskbarPlace::Start);
                EXPECT_EQ(emu::HitTaskbar(l, POINT{60 * s, 13 * s}), TaskbarPlace::None);
                EXPECT_EQ(emu::HitTaskbar(l, POINT{w - 13 * s, 26 * s}), TaskbarPlace::None) << "below the taskbar";
            }
        }
    }
}

TEST(ScaleFactor, BarAndSystemTaskbarDoubleOnlyAbove400Pixels)
{
    const struct { int width, scale; } cases[] = {{240, 1}, {320, 1}, {400, 1}, {401, 2}, {480, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleFactorForWidth(c.width), c.scale) << c.width;
        EXPECT_EQ(emu::TaskbarScale(c.width), c.scale) << c.width;
    }
}

TEST(ScreenTurn, WidthAndHeightSwapUnlessTheScreenAlreadyStandsThatWay)
{
    using emu::Orientation;
    const struct { SIZE now; Orientation want; SIZE after; } cases[] = {
        {{240, 320}, Orientation::Other, {320, 240}},     {{320, 240}, Orientation::Other, {240, 320}},
        {{480, 640}, Orientation::Other, {640, 480}},     {{640, 480}, Orientation::Portrait, {480, 640}},
        {{240, 320}, Orientation::Portrait, {240, 320}},  {{320, 240}, Orientation::Landscape, {320, 240}},
        {{240, 320}, Orientation::Landscape, {320, 240}}, {{240, 240}, Orientation::Other, {240, 240}},
    };
    for (const auto& c : cases) {
        const SIZE after = emu::TurnedScreenSize(c.now, c.want);
        EXPECT_EQ(after.cx, c.after.cx) << c.now.cx << "x" << c.now.cy << " want " << static_cast<int>(c.want);
        EXPECT_EQ(after.cy, c.after.cy) << c.now.cx << "x" << c.now.cy << " want " << static_cast<int>(c.want);
    }
}
