// Where a program's own dialog template places its controls, laid out by the platform here.
#include "tests/kit/device.h"

namespace kit {

namespace {
INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
} // namespace

std::vector<RECT> TemplateRects(const std::wstring& program, int id, const std::vector<int>& controls)
{
    std::vector<RECT> rects;
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) : nullptr;
    auto* image = found ? static_cast<DLGTEMPLATE*>(LockResource(LoadResource(module, found))) : nullptr;
    // A hidden parent serves templates of child pages as well as popups.
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND dialog = image ? CreateDialogIndirectParamW(GetModuleHandleW(nullptr), image, parent, QuietDialog, 0) : nullptr;
    for (int control : controls) {
        RECT r{};
        if (HWND item = dialog ? GetDlgItem(dialog, control) : nullptr) {
            GetWindowRect(item, &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        }
        rects.push_back(r);
    }
    if (dialog)
        DestroyWindow(dialog);
    DestroyWindow(parent);
    if (module)
        FreeLibrary(module);
    return rects;
}

} // namespace kit
