// The setup program's application object.
#pragma once
#include <windows.h>

class CTormalinApp {
public:
    explicit CTormalinApp(HINSTANCE instance) : instance_(instance) {}
    // Runs the sheet modally and returns false: no message loop follows, the
    // program ends when the sheet closes.
    bool InitInstance();

private:
    HINSTANCE instance_;
};
