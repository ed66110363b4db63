// Names and formats that the emulated handheld shares with its tools and the test kit.
#pragma once
#include <windows.h>

namespace emu {

// Shell windows, as the handheld's shell names them.
constexpr wchar_t kTaskbarClass[] = L"HHTaskBar";
constexpr wchar_t kTodayClass[] = L"DesktopExplorerWindow";
constexpr wchar_t kTodayTitle[] = L"Desktop";

// The shell's own popups. One bubble at a time; its title names the icon tapped.
constexpr wchar_t kStartMenuClass[] = L"EmuStartMenu";
constexpr wchar_t kStartMenuTitle[] = L"Start";
constexpr wchar_t kBubbleClass[] = L"EmuBubble";
constexpr wchar_t kConnectionBubble[] = L"Connection";
constexpr wchar_t kSignalBubble[] = L"Signal";
constexpr wchar_t kVolumeBubble[] = L"Volume";
constexpr wchar_t kClockBubble[] = L"Clock";

// The start menu's Programs list and Settings (the device panel): each a shell
// window in a process of its own (shell32.exe --app programs|settings), one of each
// at a time, closed by the taskbar's OK button.
constexpr wchar_t kProgramsClass[] = L"EmuPrograms";
constexpr wchar_t kProgramsTitle[] = L"Programs";
constexpr wchar_t kSettingsClass[] = L"EmuSettings";
constexpr wchar_t kSettingsTitle[] = L"Settings";
constexpr wchar_t kAppArg[] = L"--app";
constexpr wchar_t kProgramsApp[] = L"programs";
constexpr wchar_t kSettingsApp[] = L"settings";

// Set on the system taskbar once the shell has drawn its windows and started the
// start-up folder.
constexpr wchar_t kShellReadyProp[] = L"HHShellReady";

// Registered message posted to the system taskbar: soft-reset the device (every
// device process ends, a new shell starts and runs the start-up folder).
constexpr wchar_t kResetMessage[] = L"HHEmu_Reset";

// Registered message posted to the system taskbar by the display driver's power
// escape: wParam 4 switches the panel off, 1 on.
constexpr wchar_t kDisplayPowerMessage[] = L"HHEmu_DisplayPower";

// Registered message sent to the system taskbar: turn the screen, wParam 0 to the
// other orientation, 1 to portrait, 2 to landscape. The taskbar and the Today screen
// take the new size before the send returns (result 1; 0 when the screen could not
// turn), and the shell then tells every top-level window, as the handheld's does, with
// WM_SETTINGCHANGE wParam SETTINGCHANGE_RESET (the display change itself brings
// WM_DISPLAYCHANGE).
constexpr wchar_t kRotateMessage[] = L"HHEmu_Rotate";
constexpr WPARAM kSettingChangeReset = 0x3002;   // SETTINGCHANGE_RESET of the handheld's headers

// While the panel is off or the device sleeps, one black window of this class covers
// the whole screen, titled after the reason; the next tap on it wakes the screen.
constexpr wchar_t kBlankScreenClass[] = L"EmuBlankScreen";
constexpr wchar_t kDisplayOffTitle[] = L"Display off";
constexpr wchar_t kAsleepTitle[] = L"Asleep";

// The power key's virtual key; the shell sleeps when it is released.
constexpr BYTE kPowerKey = 0xDF;

// The shell's process file name, as on the handheld.
constexpr wchar_t kShellExe[] = L"shell32.exe";
constexpr wchar_t kSampleAppExe[] = L"sampleapp.exe";

// Window property that carries the caption OK-button bit for windows whose extended
// style could not keep it (desktop Win32 may drop unknown extended-style bits).
constexpr wchar_t kCaptionOkProp[] = L"HHCaptionOk";
constexpr DWORD kCaptionOkBit = 0x80000000;

// Set on every sample window once all of its process's windows are shown and the
// last one is in front: tests wait for it instead of for a half-made window.
constexpr wchar_t kSampleReadyProp[] = L"HHSampleReady";

// The device's root folder is this drive; device paths begin with a backslash.
constexpr wchar_t kDeviceDrive[] = L"D:";

// Folders on the device.
constexpr wchar_t kProgramDir[] = L"\\Program Files\\Velkis";
constexpr wchar_t kWindowsDir[] = L"\\Windows";
constexpr wchar_t kStartUpDir[] = L"\\Windows\\StartUp";

// shell32.exe arguments: --taplog PATH (append one line per stylus message of the
// system taskbar: "<message> <wParam> <x> <y>", decimal, x and y signed)
// --keylog PATH (append one line per key event that the shell's keyboard hook sees:
// "<vk> <up> <extra>", decimal) and --after PID (wait for that shell to end first;
// used by reset).
constexpr wchar_t kTapLogArg[] = L"--taplog";
constexpr wchar_t kKeyLogArg[] = L"--keylog";
constexpr wchar_t kAfterArg[] = L"--after";
// shell32.exe --popups PID: the process that owns the shell's start menu and bubbles
// for the shell PID, and ends with it.
constexpr wchar_t kPopupsArg[] = L"--popups";

} // namespace emu
