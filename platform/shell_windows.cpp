// Desktop Win32 answers for the shell-window differences.
#include "platform/shell_windows.h"

DWORD BarWindowStyle()
{
    return WS_VISIBLE | WS_CHILD;
}

const wchar_t* PopupMenuClassName()
{
    return L"#32768";
}
