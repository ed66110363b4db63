// Desktop Win32: the handheld's TransparentImage as TransparentBlt (only a source context is passed here).
#include "platform/transparent_image.h"

extern "C" BOOL WINAPI TransparentImage(HDC dc, LONG x, LONG y, LONG width, LONG height, HANDLE source, LONG sourceX,
                                        LONG sourceY, LONG sourceWidth, LONG sourceHeight, COLORREF key)
{
    return TransparentBlt(dc, x, y, width, height, static_cast<HDC>(source), sourceX, sourceY, sourceWidth, sourceHeight, key);
}
