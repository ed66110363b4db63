// Closing applications from the bar menu: one task, all, all but the active one.
#include <gtest/gtest.h>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/kit/device.h"
#include "emulator/lib/command_line.h"

using kit::Device;
using namespace bartest;

namespace {

constexpr DWORD kPlain = WS_POPUP | WS_VISIBLE;

HWND OpenInFront(Device& device, const wchar_t* title, const wchar_t* cls, DWORD traits = 0)
{
    HWND w = device.OpenSampleWindow(title, cls, kPlain, 0, traits);
    if (w) {
        SetForegroundWindow(w);
        Device::WaitUntil([&] { return GetForegroundWindow() == w; }, 3000);
    }
    return w;
}

// What the sample windows titled title were asked to do, in order.
std::vector<std::string> EventsOf(Device& device, const char* title)
{
    std::vector<std::string> what;
    for (const kit::SampleEvent& e : device.SampleEvents())
        if (e.title == title)
            what.push_back(e.what == "command" ? "command " + std::to_string(e.value) : e.what);
    return what;
}

void Choose(BarDevice& b, int taskCount, UINT command)
{
    OpenMenu menu = OpenBarMenu(b, taskCount);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, LineOfCommand(command, taskCount), menu.frame.left + 40 * b.s);
}

} // namespace

TEST(BarClose, TheCloseMarkClosesTheTaskAndItsOwnDialogButNotItsTwinNorAnotherProgram)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    // Furthest back, another program whose window bears the same title.
    HWND stranger = OpenInFront(b.device, L"Notes", L"Viewer");
    std::vector<HWND> own = b.device.OpenSampleWindows({{L"Notes", L"NotesClass", 0}, {L"Notes", L"Dialog", 0}});
    ASSERT_EQ(own.size(), 2u);
    HWND older = own[0];
    HWND dialog = own[1];
    HWND newer = OpenInFront(b.device, L"Notes", L"NotesClass");
    ASSERT_TRUE(stranger && newer);

    // Two lines: the newer window (whose line the dialog took over) and the older.
    OpenMenu menu = OpenBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 1, menu.frame.right - 5 * b.s);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(older) && !IsWindow(dialog); }, 5000));
    b.device.Settle(b.bar);   // the bar has finished closing
    EXPECT_TRUE(IsWindow(newer)) << "same title and class: another application";
    EXPECT_TRUE(IsWindow(stranger)) << "same title, another class, another program";
    EXPECT_EQ(EventsOf(b.device, "Notes").front(), "command 1") << "the dialog went first, with IDOK";
}

TEST(BarClose, CloseAllClosesEveryKindSparesTheShellAndShowsTheTodayScreen)
{
    HWND panel = nullptr;
    BarDevice b(OptionsWithPhone(false), kFullOrder, "0000010",
                [&](Device& device) { panel = OpenShellOkWindow(device, L"Owner"); });
    ASSERT_TRUE(b.bar && panel);
    HWND confirm = OpenInFront(b.device, L"Confirm", L"Dialog");
    HWND stubborn = OpenInFront(b.device, L"Stubborn", L"SampleApp", emu::sample_trait::IgnoresClose);
    HWND player = OpenInFront(b.device, L"Player", L"WMP Video", emu::sample_trait::IgnoresClose);
    HWND notes = OpenInFront(b.device, L"Notes", L"SampleApp", emu::sample_trait::SmallIcon);
    ASSERT_TRUE(confirm && stubborn && player && notes);

    Choose(b, 5, 40022);   // "Close All"
    EXPECT_TRUE(Device::WaitUntil([&] {
        return !IsWindow(confirm) && !IsWindow(stubborn) && !IsWindow(player) && !IsWindow(notes);
    }, 10000));
    EXPECT_TRUE(IsWindow(panel)) << "a shell window is never closed";
    EXPECT_TRUE(Device::WaitUntil([&] { return GetForegroundWindow() == b.device.Today(); }, 3000));

    EXPECT_EQ(EventsOf(b.device, "Confirm"), std::vector<std::string>{"command 1"}) << "a dialog only gets IDOK";
    const std::vector<std::string> stubbornEvents = EventsOf(b.device, "Stubborn");
    EXPECT_NE(std::find(stubbornEvents.begin(), stubbornEvents.end(), "close"), stubbornEvents.end())
        << "asked to close first, then its process ended";
    // The media player got Ctrl+Q before WM_CLOSE: Control, Q, Q up, Control up, marked 1.
    std::vector<kit::KeyRecord> keys;
    for (const kit::KeyRecord& key : b.device.KeyEvents())
        if (key.extra == 1)   // the system's own key events carry none
            keys.push_back(key);
    ASSERT_EQ(keys.size(), 4u);
    const DWORD vks[] = {VK_CONTROL, 'Q', 'Q', VK_CONTROL};
    const bool ups[] = {false, false, true, true};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(keys[i].vk, vks[i]) << i;
        EXPECT_EQ(keys[i].up, ups[i]) << i;
    }
}

TEST(BarClose, CloseAllExceptActiveSparesTheForegroundWindow)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND first = OpenInFront(b.device, L"First", L"SampleApp");
    HWND active = OpenInFront(b.device, L"Active", L"SampleApp");
    ASSERT_TRUE(first && active);

    Choose(b, 2, 40023);   // "Close All Except Active"
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(first); }, 5000));
    EXPECT_TRUE(IsWindow(active));
    EXPECT_TRUE(EventsOf(b.device, "Active").empty()) << "the spared window is not even activated";
}
