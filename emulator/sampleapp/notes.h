// Notes: a window of text that asks "Save changes?" when closed with unsaved text.
#pragma once
#include "emulator/sampleapp/sample_window.h"

namespace sample {

// Fills window's client area with the edit control that holds the text.
void CreateNotesEdit(HWND window, SampleWindow& notes);

// The edit's notifications: a change of the text marks it unsaved.
void OnNotesEditCommand(SampleWindow& notes, WORD code);

// Asked on WM_CLOSE: whether the window may close now. Unsaved text raises the
// message box "Save changes?" (Yes, No, Cancel); Yes saves first and closes only
// when the file was written.
bool NotesMayClose(HWND window, SampleWindow& notes);

// Writes text as UTF-8 to path (a device path or a Win32 one) through a temporary
// file beside it, so that a failed write leaves the old file whole; makes missing
// folders. False when the file could not be written.
bool SaveNotesText(const std::wstring& path, const std::wstring& text);

} // namespace sample
