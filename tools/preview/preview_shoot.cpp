// Driving the device for the preview: the bar's three states, every button held down, popups and menu.
#include "tools/preview/preview_shoot.h"
#include <cstdio>
#include <set>
#include <vector>
#include "bar/config/skin.h"
#include "bar/config/skin_names.h"
#include "common/settings_contract.h"
#include "common/bar_link.h"
#include "emulator/lib/bar_button_finder.h"
#include "emulator/lib/device_install.h"
#include "emulator/lib/device_paths.h"
#include "emulator/lib/screen_capture.h"
#include "tests/kit/device.h"
#include "tools/preview/preview_pixels.h"

namespace {

constexpr DWORD kCaptionOkBit = 0x80000000;
constexpr wchar_t kSkinFolder[] = L"\\Program Files\\Velkis\\Themes\\Preview";

struct Shooter {
    kit::Device& device;
    HWND bar;
    std::wstring outDir, profile;
    std::string list;
    int width, barHeight, imageScale;
    std::vector<COLORREF> normal;  // the bar as it stands, before a press
    std::set<std::string> pressedDone;
    int parts = 0;

    RECT BarRect() const { return RECT{0, 0, width, barHeight}; }
    std::vector<COLORREF> Strip() const { return device.ReadScreen(BarRect()); }

    // Waits until the bar's pixels stop changing (bounded), and returns them.
    std::vector<COLORREF> SettledStrip()
    {
        device.Settle(bar);
        std::vector<COLORREF> last = Strip();
        for (int i = 0; i < 20; ++i) {
            Sleep(50);
            std::vector<COLORREF> now = Strip();
            if (now == last)
                break;
            last = now;
        }
        return last;
    }

    void Save(const RECT& r, const std::string& label)
    {
        wchar_t name[64];
        swprintf(name, 64, L"%ls-%02d.png", profile.c_str(), ++parts);
        if (device.SavePng(outDir + L"\\" + name, r))
            list += std::string(name, name + wcslen(name)) + "\t" + label + "\n";
    }

    // Reloads the bar so that it takes the device state and the foreground anew.
    void Reload()
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(bar, RegisterWindowMessageW(kUpdateMessageName), 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        normal = SettledStrip();
    }

    void Press(POINT at, const std::string& label)
    {
        PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        device.Settle(bar);
        kit::Device::WaitUntil([&] { return Strip() != normal; }, 1000);
        SettledStrip();
        Save(BarRect(), label + " held down");
        // Released below the bar: no button is hit, so nothing acts.
        PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(at.x, barHeight * 4));
        kit::Device::WaitUntil([&] { return Strip() == normal; }, 1000);
    }

    // Finds and presses each image of the skin the bar shows now, once per key.
    void PressShownButtons(const SkinImageNames& names, const std::wstring& folder)
    {
        for (int i = 0; i < names.count; ++i) {
            const SkinImageName& n = names.entries[i];
            bool button = n.role == ROLE_BUTTON_NORMAL && n.index != 0;  // the start button opens the system's menu
            if ((!button && n.role != ROLE_SIGNAL_NORMAL) || pressedDone.count(n.key))
                continue;
            POINT centre;
            if (!FindOnBar(folder, n.value, &centre))
                continue;
            pressedDone.insert(n.key);
            std::string label = n.key;
            Press(centre, label.substr(0, label.rfind(" Normal")));
        }
    }

    bool FindOnBar(const std::wstring& folder, const char* value, POINT* centre) const
    {
        wchar_t path[kSkinImagePathCapacity];
        if (!value[0] || !JoinSkinPath(folder.c_str(), value, path, kSkinImagePathCapacity))
            return false;
        SIZE size;
        std::vector<COLORREF> pixels = FilePixels(emu::DevicePath(path), &size);
        if (!emu::FindImageOnBar(pixels, size.cx, size.cy, imageScale, centre))
            return false;
        ScreenToClient(bar, centre);
        return true;
    }

    // Taps a button, waits for the window it opens, photographs the screen, closes it.
    void OpenAndShoot(const std::wstring& folder, const SkinImageNames& names, const char* key,
                      const wchar_t* cls, const wchar_t* title, const std::string& label)
    {
        POINT at;
        const SkinImageName* name = nullptr;
        for (int i = 0; i < names.count; ++i)
            if (std::string(names.entries[i].key) == key)
                name = &names.entries[i];
        if (!name || !FindOnBar(folder, name->value, &at))
            return;
        device.Tap(bar, at.x, at.y);
        HWND opened = device.WaitForShownWindow(cls, title, 3000);
        if (!opened)
            return;
        device.Settle(opened);
        Sleep(300);  // the popup paints its image and text after it shows
        Save(emu::ScreenRect(), label);
        if (wcscmp(cls, L"#32768") == 0)
            PostMessageW(opened, WM_KEYDOWN, VK_ESCAPE, 0);
        else
            device.Tap(bar, width / 2, barHeight * 4);  // a press on the bar closes a popup
        device.WaitForNoShownWindow(cls, title, 3000);
        normal = SettledStrip();
    }
};

bool InstallSkin(kit::Device& device, const std::wstring& skinPath, std::wstring* deviceSkin)
{
    size_t slash = skinPath.find_last_of(L"\\/");
    std::wstring folder = skinPath.substr(0, slash), file = skinPath.substr(slash + 1);
    std::wstring target = emu::DevicePath(kSkinFolder);
    emu::CreateFolders(target);
    if (!emu::CopyFolder(folder, target))
        return false;
    *deviceSkin = std::wstring(kSkinFolder) + L"\\" + file;
    std::string config = "[Settings]\r\nTheme File=" + std::string(deviceSkin->begin(), deviceSkin->end()) +
                         "\r\n[TopBar Settings]\r\nOrder=signal,connection,home,volume,battery,clock,menu,close\r\n"
                         "Display=11111111\r\n";
    return device.WriteFile(L"\\Program Files\\Velkis\\config.ini", config);
}

} // namespace

bool ShootProfile(const std::wstring& skinPath, const std::wstring& profile, const std::wstring& outDir)
{
    kit::Device device;
    std::wstring deviceSkin;
    if (!device.Ready() || !InstallSkin(device, skinPath, &deviceSkin)) {
        fprintf(stderr, "preview: the device or the skin could not be set up\n");
        return false;
    }
    HWND bar = device.StartBar();
    if (!bar) {
        fprintf(stderr, "preview: the bar did not start\n");
        return false;
    }
    std::wstring skinOnDisk = emu::DevicePath(deviceSkin);
    SkinImageNames names;
    ReadSkinImageNames(skinOnDisk.c_str(), true, &names);
    wchar_t folder[kSkinImagePathCapacity];
    SkinFolderOf(deviceSkin.c_str(), folder, kSkinImagePathCapacity);
    int scale = device.Scale();
    Shooter s{device, bar, outDir, profile, "", device.Screen().cx, 26 * scale,
              ImageScaleFor(ReadSkinHiRes(skinOnDisk.c_str()) != 0, scale), {}, {}, 0};

    // As the run command shows it: the Today screen in front.
    Sleep(1000);  // the run command waits for the bar's first full paint
    s.normal = s.SettledStrip();
    s.Save(s.BarRect(), "the bar");

    // An application with a close button, then every button shown held down, the popups and the menu.
    HWND notes = device.OpenSampleWindow(L"Notes", L"SampleApp", WS_POPUP | WS_VISIBLE, 0);
    SetForegroundWindow(notes);
    kit::Device::WaitUntil([&] { return GetForegroundWindow() == notes; }, 3000);
    s.Reload();
    s.Save(s.BarRect(), "with an application");
    s.PressShownButtons(names, folder);
    s.OpenAndShoot(folder, names, "Volume Normal", L"#32770", L"Volume", "volume popup");
    s.OpenAndShoot(folder, names, "Battery/Memory Normal", L"#32770", L"Battery/Memory", "battery/memory popup");
    s.OpenAndShoot(folder, names, "Menu Normal", L"#32768", nullptr, "bar menu");

    // The other button of each pair: connected, silent, an application with OK.
    DeviceState state;
    state.connection = ConnectionAnswer::Connected;
    state.waveVolume = 0;
    device.SetDeviceState(state);
    HWND ok = device.OpenSampleWindow(L"Calendar", L"SampleApp", WS_POPUP | WS_VISIBLE, kCaptionOkBit);
    SetForegroundWindow(ok);
    kit::Device::WaitUntil([&] { return GetForegroundWindow() == ok; }, 3000);
    s.Reload();
    s.Save(s.BarRect(), "connected, silent, OK");
    s.PressShownButtons(names, folder);

    FILE* list = _wfopen((outDir + L"\\" + profile + L".txt").c_str(), L"wb");
    if (!list)
        return false;
    fputs(s.list.c_str(), list);
    fclose(list);
    return true;
}
