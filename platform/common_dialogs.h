// The device's common dialogs: the colour chooser and the open-file chooser.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <cstddef>

// ChooseColorW of the device's common-dialog library, with the same record, flags and
// result; the desktop's colour dialog where the device has no such library.
BOOL ChooseDeviceColor(CHOOSECOLORW* request);

// The handheld's open-file record: the desktop's without its Windows 2000 tail
// (pvReserved, dwReserved, FlagsEx), 76 bytes on the handheld's 32 bits. Desktop
// dialogs still accept that size (OPENFILENAME_SIZE_VERSION_400W) in lStructSize.
using DeviceOpenFileName = OPENFILENAME_NT4W;
static_assert(sizeof(DeviceOpenFileName) == offsetof(OPENFILENAMEW, pvReserved), "the desktop's record up to its tail");
static_assert(sizeof(void*) != 4 || sizeof(DeviceOpenFileName) == 76, "the handheld's open-file record is 76 bytes");

// GetOpenFileNameW of the device's common-dialog library, likewise; the desktop's
// open-file dialog where the device has none.
BOOL GetDeviceOpenFileName(DeviceOpenFileName* request);
