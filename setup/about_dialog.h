// The About dialog: version and build lines under a painted title.
#pragma once
#include <windows.h>

class Cabout {
public:
    explicit Cabout(HINSTANCE module) : module_(module) {}
    // Runs the dialog modally without a parent; OK (the title bar's) closes it.
    void DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND window);
    void OnPaint(HWND window);
    void OnSize(HWND window);

    HINSTANCE module_;
};
