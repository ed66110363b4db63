// Registration of the shell's plain window classes.
#include "emulator/shell/window_class.h"

namespace emu {

bool RegisterShellClass(HINSTANCE instance, WNDPROC proc, const wchar_t* name)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

} // namespace emu
