// The device's common dialogs: the colour chooser and the open-file chooser.
#pragma once
#include <windows.h>
#include <commdlg.h>

// ChooseColorW of the device's common-dialog library, with the same record, flags and
// result; the desktop's colour dialog where the device has no such library.
BOOL ChooseDeviceColor(CHOOSECOLORW* request);

// GetOpenFileNameW of the device's common-dialog library, likewise; the desktop's
// open-file dialog where the device has none.
BOOL GetDeviceOpenFileName(OPENFILENAMEW* request);
