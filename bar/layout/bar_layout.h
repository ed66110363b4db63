// Where the bar's parts stand: worked out when what they depend on changes; the paint draws it, the stylus hit-tests it.
#pragma once
#include <windows.h>
#include "bar/config/buttons.h"

constexpr LCID kSystemDefaultLocale = 0x0800;
constexpr int kClockTextCapacity = 20;

// What the places depend on.
struct LayoutInputs {
    int screenWidth;
    int screenHeight;
    int scaleFactor;
    int imageScale;
    int firstSlot;       // the first slot placed (firstPaintedSlot)
    bool phone;          // only a phone places the signal
    int signalLevel;     // which signal record stands in the signal's place
    int clockWidth;      // of the clock's text
};

struct BarLayout {
    int width;           // the bar's size: the screen's width, kBarHeight x scale high
    int height;
    bool landscape;      // the landscape background, else the portrait one
    RECT start;          // the start button's image (its tap rectangle is fixed by the skin load)
    int buttonsLeft;     // buttons that do not fit right of the start button are cut off here
    RECT title;          // empty or reversed when the buttons take all the room
    wchar_t clockText[kClockTextCapacity];
    SYSTEMTIME clockMinute;   // the minute clockText shows
    unsigned serial;          // another value after every layout
};

// Places the shown buttons from the right edge leftwards in slot order (the clock
// at clockWidth, the signal record of signalLevel in the signal's slot), writing
// their rectangles into table and signal, and returns where the rest stands. Slot
// 0, hidden slots and the other signal records keep their rectangles.
BarLayout LayOutBar(ButtonTable& table, SignalImageSet& signal, const LayoutInputs& inputs);

// The current layout. Written, together with the rectangles of buttonTable and
// signalImages, by UpdateBarLayout only.
extern BarLayout barLayout;

// Lays the bar out again from the current table, skin, screen, indicators and
// clock text, and sizes the bar window to it. Every change of one of them calls it:
// the load, the indicators, the close/OK state, and KeepLayoutCurrent.
void UpdateBarLayout();

// Before a paint: a new minute lays the bar out again, and so does a new screen size
// when checkScreen is set (asking the screen's size costs more than the whole paint,
// so only paints the system asked for check it, and those that follow a turn of the
// screen, RepaintAfterScreenChange). True when the layout changed.
bool KeepLayoutCurrent(bool checkScreen);

// Hours and minutes of time in the system default locale's pattern, without
// seconds or AM/PM marker. out has room for capacity units (20 is enough).
void FormatClockText(const SYSTEMTIME& time, wchar_t* out, int capacity);
