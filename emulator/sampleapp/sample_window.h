// What one sample window is, beyond its Win32 window: its traits and its own state.
#pragma once
#include <windows.h>
#include <string>

namespace sample {

struct SampleWindow {
    DWORD traits = 0;
    std::wstring file;        // Notes: where Yes saves
    bool unsaved = false;     // Notes: typed into since the last save
    HWND edit = nullptr;      // Notes: the text
    bool asking = false;      // Notes: its save prompt is open
};

// The record of window (made by the window's creation), or null.
SampleWindow* SampleWindowOf(HWND window);

// The text font of the samples' controls, sized for the screen (made once, kept
// for the process's life).
HFONT SampleFont();

} // namespace sample
