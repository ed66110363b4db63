// Helpers of the setup program's end-to-end tests.
#include "tests/e2e/setup_test_kit.h"
#include "tests/e2e/bar_test_skin.h"
#include <commctrl.h>

namespace setuptest {

SetupRun StartSetup(kit::Device& device)
{
    SetupRun setup;
    setup.process = device.Start(kSetupPath);
    kit::Device::WaitUntil([&] {
        setup.sheet = kit::FindProcessWindow(setup.process.pid, L"#32770", L"Velkis Option");
        return setup.sheet && IsWindowVisible(setup.sheet);
    }, 5000);
    return setup;
}

HWND WaitForPage(HWND sheet, int controlId, DWORD timeoutMs)
{
    HWND found = nullptr;
    kit::Device::WaitUntil([&] {
        for (HWND child = GetWindow(sheet, GW_CHILD); child && !found; child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgItem(child, controlId) && IsWindowVisible(child))
                found = child;
        }
        return found != nullptr;
    }, timeoutMs);
    return found;
}

HWND WaitForSetupWindow(const SetupRun& setup, const wchar_t* cls)
{
    HWND found = nullptr;
    kit::Device::WaitUntil([&] {
        for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
            wchar_t name[32] = L"";
            if (w != setup.sheet && kit::WindowProcess(w) == setup.process.pid && IsWindowVisible(w) &&
                GetClassNameW(w, name, 32) && lstrcmpW(name, cls) == 0)
                found = w;
        }
        return found != nullptr;
    }, 5000);
    return found;
}

bool ReadyWithTestSkin(kit::Device& device, const char* order, const char* display)
{
    return device.Ready() && bartest::InstallTestSkin(device, order, display);
}

bool ExitSetup(kit::Device& device, const SetupRun& setup)
{
    PostMessageW(setup.sheet, WM_COMMAND, kExitCommand, 0);
    return WaitSetupEnd(device, setup);
}

std::wstring AnswerMessageBox(kit::Device& device, const SetupRun& setup)
{
    // The box exists before its text does: it is read once the box is shown. It is
    // the device's message box, a "Dialog" as the handheld's system dialogs are.
    HWND box = nullptr;
    wchar_t text[128] = L"";
    kit::Device::WaitUntil([&] {
        box = kit::FindProcessWindow(setup.process.pid, L"Dialog", L"Tormalin");
        return box && IsWindowVisible(box) && GetDlgItemTextW(box, 0xFFFF, text, 128) > 0;
    }, 5000);
    if (!box)
        return L"";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return device.WaitForNoWindow(L"Dialog", L"Tormalin") ? text : L"";
}

void PressOk(kit::Device& device, HWND sheet)
{
    // The OK button acts on the foreground window: asked again until the sheet is it.
    kit::Device::WaitUntil([&] {
        if (GetForegroundWindow() != sheet)
            SetForegroundWindow(sheet);
        return GetForegroundWindow() == sheet;
    }, 3000);
    const int s = device.Scale();
    device.Tap(device.Taskbar(), device.Screen().cx - 13 * s, 13 * s);
}

bool WaitSetupEnd(kit::Device& device, const SetupRun& setup, DWORD timeoutMs)
{
    bool timedOut = false;
    device.WaitExit(setup.process, timeoutMs, &timedOut);
    return !timedOut;
}

std::string ConfigValue(const std::string& text, const std::string& key)
{
    const size_t at = text.find("\n" + key + "=");
    const size_t start = at == std::string::npos ? (text.rfind(key + "=", 0) == 0 ? 0 : at) : at + 1;
    if (start == std::string::npos)
        return "<none>";
    const size_t value = start + key.size() + 1;
    const size_t end = text.find_first_of("\r\n", value);
    return text.substr(value, end == std::string::npos ? std::string::npos : end - value);
}

bool RowChecked(HWND list, int row)
{
    const LRESULT state = SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

int RowCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int SelectionMark(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0));
}

void SendKey(HWND control, UINT key)
{
    SendMessageW(control, WM_KEYDOWN, key, 1);
    SendMessageW(control, WM_KEYUP, key, 0xC0000001);
}

} // namespace setuptest
