// Window class names of the handheld shell's own windows, compared exactly and case-sensitively.
//
// The class of the window that shows an open popup menu ("MNU" on the handheld)
// differs on desktop Win32; ask PopupMenuClassName() in platform/shell_windows.h.
#pragma once

constexpr wchar_t kTaskbarClassName[] = L"HHTaskBar";            // the system taskbar, parent of the bar
constexpr wchar_t kTodayClassName[] = L"DesktopExplorerWindow";  // the Today screen
constexpr wchar_t kWorkerClassName[] = L"Worker";                // the shell's helper windows; never a title
constexpr wchar_t kDialogClassName[] = L"Dialog";                // the shell's dialog windows
