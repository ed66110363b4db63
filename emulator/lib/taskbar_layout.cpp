// Geometry of the system taskbar, shared by its painting, hit-testing and the tests.
#include "emulator/lib/taskbar_layout.h"
#include "emulator/protocol.h"

namespace emu {

int TaskbarScale(int screenWidth)
{
    return screenWidth > 400 ? 2 : 1;
}

TaskbarLayout ComputeTaskbarLayout(int width, int scale, int clockWidth, bool phone)
{
    TaskbarLayout l;
    const int h = 26 * scale;
    const int icon = 20 * scale;
    l.height = h;
    l.start = {0, 0, 60 * scale, h};
    l.close = {width - 28 * scale, 0, width, h};
    int right = l.close.left;
    if (clockWidth > 0)
        l.clock = {right - clockWidth, 0, right, h};
    right -= clockWidth > 0 ? clockWidth : 0;
    l.volume = {right - icon, 0, right, h};
    right -= icon;
    if (phone) {
        l.signal = {right - icon, 0, right, h};
        right -= icon;
    }
    l.connection = {right - icon, 0, right, h};
    return l;
}

namespace {
bool Inside(const RECT& r, POINT pt)
{
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}
} // namespace

TaskbarPlace HitTaskbar(const TaskbarLayout& l, POINT pt)
{
    if (Inside(l.start, pt)) return TaskbarPlace::Start;
    if (Inside(l.close, pt)) return TaskbarPlace::Close;
    if (Inside(l.clock, pt)) return TaskbarPlace::Clock;
    if (Inside(l.volume, pt)) return TaskbarPlace::Volume;
    if (Inside(l.signal, pt)) return TaskbarPlace::Signal;
    if (Inside(l.connection, pt)) return TaskbarPlace::Connection;
    return TaskbarPlace::None;
}

const wchar_t* TaskbarPlaceName(TaskbarPlace place)
{
    switch (place) {
    case TaskbarPlace::Start: return kStartMenuTitle;
    case TaskbarPlace::Connection: return kConnectionBubble;
    case TaskbarPlace::Signal: return kSignalBubble;
    case TaskbarPlace::Volume: return kVolumeBubble;
    case TaskbarPlace::Clock: return kClockBubble;
    case TaskbarPlace::Close: return L"Close";
    case TaskbarPlace::None: break;
    }
    return L"";
}

} // namespace emu
