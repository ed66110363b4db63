// Driving the setup program on the device: its sheet, its pages, OK and Exit.
#pragma once
#include <windows.h>
#include <string>
#include "tests/kit/device.h"

namespace setuptest {

constexpr wchar_t kSetupPath[] = L"\\Program Files\\Velkis\\Tormalin.exe";
constexpr wchar_t kConfigPath[] = L"\\Program Files\\Velkis\\config.ini";
constexpr wchar_t kShortcutPath[] = L"\\Windows\\StartUp\\Velkis.lnk";

// Control ids of the pages (the program's own resource header is not the test's).
constexpr int kList = 1002;
constexpr int kMoveUp = 1016;
constexpr int kMoveDown = 1050;
constexpr int kStartWithSystem = 1041;
constexpr int kAddTheme = 1011;
constexpr int kExitCommand = 32780;
constexpr int kAboutCommand = 32782;

// A running setup program and its sheet.
struct SetupRun {
    kit::Device::Process process;
    HWND sheet = nullptr;
};

// Starts Tormalin.exe and waits for its sheet "Velkis Option".
SetupRun StartSetup(kit::Device& device);

// The page of sheet that holds a control with that id (the Order page: kStartWithSystem).
HWND WaitForPage(HWND sheet, int controlId, DWORD timeoutMs = 5000);

// A ready device wearing the test skin, with that Order and Display.
bool ReadyWithTestSkin(kit::Device& device, const char* order = "signal,connection,home,volume,battery,clock,menu,close",
                       const char* display = "11111111");

// A shown top-level window of class cls of the setup program, other than its sheet
// (its dialogs whatever their title, its menus); null when none came in time.
HWND WaitForSetupWindow(const SetupRun& setup, const wchar_t* cls);

// "Exit" from the menu bar; true when the program then ended.
bool ExitSetup(kit::Device& device, const SetupRun& setup);

// Waits for the program's message box (captioned "Tormalin"), answers OK and returns
// its text; "" when none came or it stayed.
std::wstring AnswerMessageBox(kit::Device& device, const SetupRun& setup);

// OK as a user gives it: the sheet in front and the system taskbar's OK pressed.
void PressOk(kit::Device& device, HWND sheet);

// Waits for the setup program to end; true when it did in time.
bool WaitSetupEnd(kit::Device& device, const SetupRun& setup, DWORD timeoutMs = 10000);

// The value of key in config.ini's text (first occurrence), or "<none>".
std::string ConfigValue(const std::string& text, const std::string& key);

// Check marks of the list rows, read without memory of the other process.
bool RowChecked(HWND list, int row);
int RowCount(HWND list);
int SelectionMark(HWND list);
// Keys to a control of another process, handled before this returns.
void SendKey(HWND control, UINT key);

} // namespace setuptest
