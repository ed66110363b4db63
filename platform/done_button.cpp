// The done button is the caption OK-button bit; the taskbar reads it from the window.
#include "platform/done_button.h"

bool ShowDoneButton(HWND window)
{
    if (!IsWindow(window))
        return false;
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | static_cast<LONG_PTR>(kDoneButtonBit));
    return true;
}
