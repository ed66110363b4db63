// screenshot.exe OUT.png [X Y W H]: writes the device screen (or a part) as PNG.
#include "emulator/lib/command_line.h"
#include "emulator/lib/screen_capture.h"
#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 && argc != 6) {
        std::fwprintf(stderr, L"usage: screenshot OUT.png [X Y W H]\n");
        return 2;
    }
    RECT r = emu::ScreenRect();
    if (argc == 6) {
        unsigned long v[4];
        for (int i = 0; i < 4; ++i) {
            if (!emu::ParseNumber(argv[2 + i], &v[i])) {
                std::fwprintf(stderr, L"screenshot: bad number %ls\n", argv[2 + i]);
                return 2;
            }
        }
        r = RECT{static_cast<LONG>(v[0]), static_cast<LONG>(v[1]), static_cast<LONG>(v[0] + v[2]), static_cast<LONG>(v[1] + v[3])};
    }
    const std::vector<COLORREF> pixels = emu::CaptureScreen(r);
    if (pixels.empty() || !emu::WritePng(argv[1], pixels, r.right - r.left, r.bottom - r.top)) {
        std::fwprintf(stderr, L"screenshot: cannot capture to %ls\n", argv[1]);
        return 1;
    }
    return 0;
}
