// Desktop Win32: the stretched colour copy, with the stretch mode that drops rows and columns.
#include "platform/colour_stretch.h"

void StretchColourCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceWidth,
                       int sourceHeight)
{
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, x, y, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (oldMode)
        SetStretchBltMode(target, oldMode);
}
