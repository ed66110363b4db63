// The handheld's colour-keyed copy, TransparentImage, which mingw's headers lack.
//
// Copies the source rectangle of the context (or bitmap) source onto dc's target
// rectangle, stretched to fit, leaving out every pixel of the key colour. The
// handheld's coredll exports it; the desktop's twin forwards to TransparentBlt.
#pragma once
#include <windows.h>

extern "C" BOOL WINAPI TransparentImage(HDC dc, LONG x, LONG y, LONG width, LONG height, HANDLE source, LONG sourceX,
                                        LONG sourceY, LONG sourceWidth, LONG sourceHeight, COLORREF key);
