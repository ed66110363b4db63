// A stretched copy of a colour picture that drops rows and columns when it shrinks.
//
// The handheld's StretchBlt always drops them and has no stretch mode to set; the
// desktop's default mode ANDs the dropped rows into their neighbours, which darkens
// a colour picture, so the desktop copies with COLORONCOLOR and gives the target
// its own mode back afterwards.
#pragma once
#include <windows.h>

// Copies source's (0, 0, sourceWidth, sourceHeight) onto target's rectangle.
void StretchColourCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceWidth,
                       int sourceHeight);
