// Storage of the bar's process-wide values; bar_state.h names the one file that writes each.
#include "bar/layout/bar_state.h"

HINSTANCE barInstance = nullptr;
bool PhoneEdition = false;
wchar_t programFolder[kProgramPathCapacity] = L"";
int ScaleFactor = 1;
ShellProcesses ShellProcessList = {};
HWND barWindow = nullptr;
UINT updateMessageId = 0;

HWND lastForegroundWindow = nullptr;
bool ignoreTap = false;
DWORD menuClosedTime = 0;
HWND volumePopupWindow = nullptr;
HWND batteryPopupWindow = nullptr;

int SignalLevel = 0;
int firstPaintedSlot = 0;
