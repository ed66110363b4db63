// Where the system taskbar draws its start button, status icons, clock and close/OK.
#pragma once
#include <windows.h>

namespace emu {

// What sits at a point of the system taskbar.
enum class TaskbarPlace { None, Start, Connection, Signal, Volume, Clock, Close };

// From the right edge: close/OK (28 x scale), the clock (clockWidth, may be 0), the
// volume icon, then the signal icon and, with a phone, the connection icon left of
// it; without a phone the connection icon takes the signal icon's place. Icons are
// 20 x scale wide. This is the arrangement the bar's forwarded tap points aim at.
struct TaskbarLayout {
    int height = 0;
    RECT start{}, connection{}, signal{}, volume{}, clock{}, close{};
};

int TaskbarScale(int screenWidth);   // 2 when wider than 400 pixels, else 1
TaskbarLayout ComputeTaskbarLayout(int width, int scale, int clockWidth, bool phone);
TaskbarPlace HitTaskbar(const TaskbarLayout& layout, POINT pt);
const wchar_t* TaskbarPlaceName(TaskbarPlace place);   // bubble titles, "Start", "Close"

} // namespace emu
