// Stand-ins for the system taskbar and for window classes in the test process.
#pragma once
#include <windows.h>

struct FakeWindowClass {
    const wchar_t* name;
    explicit FakeWindowClass(const wchar_t* className) : name(className)
    {
        WNDCLASSW c = {};
        c.lpfnWndProc = DefWindowProcW;
        c.hInstance = GetModuleHandleW(nullptr);
        c.lpszClassName = className;
        RegisterClassW(&c);
    }
    ~FakeWindowClass() { UnregisterClassW(name, GetModuleHandleW(nullptr)); }
    FakeWindowClass(const FakeWindowClass&) = delete;
    FakeWindowClass& operator=(const FakeWindowClass&) = delete;
};

// A top-level "HHTaskBar" window at the top of the screen, 26 pixels high.
struct FakeTaskbar {
    FakeWindowClass windowClass{L"HHTaskBar"};
    HWND window;
    FakeTaskbar()
    {
        window = CreateWindowExW(WS_EX_TOPMOST, L"HHTaskBar", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), 26, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~FakeTaskbar() { DestroyWindow(window); }
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;
};
