// The bar menu as a user meets it: lines found from the menu's geometry, icons by colour.
#include "tests/e2e/bar_menu_kit.h"
#include "emulator/lib/command_line.h"
#include "emulator/lib/device_paths.h"
#include "emulator/protocol.h"

namespace bartest {

namespace {

// Wine's popup menu: a margin of 3 pixels above the first and below the last line.
constexpr int kMenuMargin = 3;

struct MeanColour {
    int r, g, b;
};

MeanColour Mean(kit::Device& device, const RECT& box)
{
    std::vector<COLORREF> pixels = device.ReadScreen(box);
    long r = 0, g = 0, b = 0;
    for (COLORREF c : pixels) {
        r += GetRValue(c);
        g += GetGValue(c);
        b += GetBValue(c);
    }
    const long n = pixels.empty() ? 1 : static_cast<long>(pixels.size());
    return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

IconLook LookOf(const MeanColour& c)
{
    if (c.b > c.r + 40 && c.b > c.g)
        return IconLook::Blue;
    if (c.g > c.r + 40 && c.g > c.b + 40)
        return IconLook::Green;
    if (c.r > c.b + 60)
        return IconLook::Orange;
    return IconLook::Plain;
}

} // namespace

OpenMenu OpenBarMenu(BarDevice& b, int taskCount)
{
    b.device.Tap(b.bar, b.right - kMenuWidth * b.s / 2, 13 * b.s);
    return WaitForBarMenu(b, taskCount);
}

OpenMenu WaitForBarMenu(BarDevice& b, int taskCount)
{
    OpenMenu menu;
    menu.window = b.device.WaitForWindow(L"#32768", nullptr);
    if (!menu.window || !kit::Device::WaitUntil([&] { return IsWindowVisible(menu.window) != FALSE; }, 3000))
        return OpenMenu();
    GetWindowRect(menu.window, &menu.frame);
    const int fixed = taskCount > 0 ? 7 : 5;
    const int pitch = 18 * b.s;
    const int height = menu.frame.bottom - menu.frame.top;
    const int separator = (height - 2 * kMenuMargin - (taskCount + fixed) * pitch) / 2;
    int top = menu.frame.top + kMenuMargin;
    for (int i = 0; i < taskCount + fixed; ++i) {
        if (i == taskCount || i == taskCount + 3)
            top += separator;
        menu.lines.push_back(RECT{menu.frame.left, top, menu.frame.right, top + pitch});
        top += pitch;
    }
    // Shown is not yet drawn: the last line, "Exit Velkis", wears the close mark.
    kit::Device::WaitUntil([&] { return LeftIconLook(b.device, menu.lines.back(), b.s) == IconLook::Orange; }, 3000);
    return menu;
}

IconLook LeftIconLook(kit::Device& device, const RECT& line, int s)
{
    const RECT icon{line.left + 3 * s, line.top + 2 * s, line.left + 17 * s, line.bottom - 2 * s};
    return LookOf(Mean(device, icon));
}

bool HasCloseMark(kit::Device& device, const RECT& line, int s)
{
    const RECT mark{line.right - 17 * s, line.top + 2 * s, line.right - 5 * s, line.bottom - 2 * s};
    return LookOf(Mean(device, mark)) == IconLook::Orange;
}

void TapLine(kit::Device& device, const OpenMenu& menu, int line, int x)
{
    // The menu loop takes a stylus message's point in screen coordinates.
    const RECT& r = menu.lines[static_cast<size_t>(line)];
    device.Tap(menu.window, x, (r.top + r.bottom) / 2);
    device.WaitForNoWindow(L"#32768", nullptr, 3000);
}

int LineOfCommand(UINT id, int taskCount)
{
    const UINT withTasks[] = {40001, 40002, 40003, 40022, 40023, 40024, 40021};
    const UINT withoutTasks[] = {40001, 40002, 40003, 40024, 40021};
    const UINT* ids = taskCount > 0 ? withTasks : withoutTasks;
    const int count = taskCount > 0 ? 7 : 5;
    for (int i = 0; i < count; ++i)
        if (ids[i] == id)
            return taskCount + i;
    return -1;
}

HWND OpenShellOkWindow(kit::Device& device, const wchar_t* title)
{
    const std::wstring folder = L"\\Windows\\Shell";
    emu::CreateFolders(emu::DevicePath(folder));
    const std::wstring copy = folder + L"\\" + emu::kShellExe;
    if (!CopyFileW((emu::EmulatorDir() + L"\\" + emu::kSampleAppExe).c_str(), emu::DevicePath(copy).c_str(), FALSE))
        return nullptr;
    emu::SampleWindowSpec window{title, L"ShellPanel", WS_POPUP | WS_VISIBLE, 0x80000000};
    const kit::Device::Process p = device.Start(copy, emu::FormatSampleArgs({window}));
    HWND found = nullptr;
    kit::Device::WaitUntil([&] {
        found = kit::FindProcessWindow(p.pid, L"ShellPanel", title);
        return found && GetPropW(found, emu::kSampleReadyProp);
    }, 5000);
    return found;
}

} // namespace bartest
