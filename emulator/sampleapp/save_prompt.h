// Notes' "Save changes?" prompt: a small modal dialog that fits the device's screen.
#pragma once
#include <windows.h>

namespace sample {

// Asks "Save changes?" over owner, titled title; IDYES, IDNO or IDCANCEL. A dialog
// of class "#32770" whose text is its static control 0xFFFF and whose buttons are
// IDYES, IDNO and IDCANCEL, as a message box's are; Wine's message box itself would
// be wider than a 240-pixel screen.
int AskSaveChanges(HWND owner, const wchar_t* title);

} // namespace sample
