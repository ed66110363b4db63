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

TEST(BarClose, AnApplicationStillAnsweringIsWaitedForAndAHungOneIsEnded)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND notes = b.device.OpenSampleWindow(L"Notes", L"NotesClass", kPlain, 0, emu::sample_trait::Notes);
    ASSERT_TRUE(notes);
    const DWORD notesPid = kit::WindowProcess(notes);
    HANDLE notesProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, notesPid);
    ASSERT_TRUE(notesProcess);
    for (wchar_t c : std::wstring(L"milk"))
        PostMessageW(GetDlgItem(notes, emu::kNotesEditId), WM_CHAR, c, 1);
    ASSERT_TRUE(b.device.Settle(notes));

    OpenMenu menu = OpenBarMenu(b, 1);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.right - 5 * b.s);   // the close mark
    HWND box = nullptr;
    ASSERT_TRUE(Device::WaitUntil([&] {
        box = kit::FindProcessWindow(notesPid, L"#32770", L"Notes");
        return box && IsWindowVisible(box);
    }, 5000)) << "no \"Save changes?\"";
    const DWORD asked = GetTickCount();

    // The person takes 8 s to answer. Meanwhile the bar paints and takes taps, and
    // a second close command does nothing.
    EXPECT_TRUE(b.device.Settle(b.bar)) << "the bar paints";
    Choose(b, 1, 40022);   // "Close All"
    b.device.Settle(b.bar);
    EXPECT_TRUE(IsWindowVisible(box)) << "the second close command acted";
    const DWORD waited = GetTickCount() - asked;
    if (waited < 8000)
        Sleep(8000 - waited);
    EXPECT_TRUE(IsWindow(box) && IsWindow(notes)) << "ended while asking";
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(WaitForSingleObject(notesProcess, 5000), WAIT_OBJECT_0);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(notesProcess, &code);
    EXPECT_EQ(code, 0u) << "it ended by itself";
    CloseHandle(notesProcess);
    EXPECT_EQ(b.device.ReadFile(emu::kNotesDefaultFile), "milk");

    // Cancel keeps the application and its text: the rest of the command neither
    // asks again nor ends it.
    notes = b.device.OpenSampleWindow(L"Notes", L"NotesClass", kPlain, 0, emu::sample_trait::Notes);
    ASSERT_TRUE(notes);
    const DWORD keptPid = kit::WindowProcess(notes);
    PostMessageW(GetDlgItem(notes, emu::kNotesEditId), WM_CHAR, L'x', 1);
    ASSERT_TRUE(b.device.Settle(notes));
    menu = OpenBarMenu(b, 1);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.right - 5 * b.s);
    ASSERT_TRUE(Device::WaitUntil([&] {
        box = kit::FindProcessWindow(keptPid, L"#32770", L"Notes");
        return box && IsWindowVisible(box);
    }, 5000)) << "no \"Save changes?\"";
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Device::WaitUntil([&] { return !IsWindow(box); }, 5000));
    EXPECT_FALSE(Device::WaitUntil([&] {
        HWND again = kit::FindProcessWindow(keptPid, L"#32770", L"Notes");
        return !IsWindow(notes) || (again && IsWindowVisible(again));
    }, 3000)) << "asked again, or ended, after Cancel";

    // A window that stops answering (for 10 s from its start) is ended after 5 s.
    HWND hung = b.device.OpenSampleWindow(L"Busy", L"SampleApp", kPlain, 0,
                                          emu::sample_trait::HangButton | emu::sample_trait::HangsWhenReady);
    ASSERT_TRUE(hung);
    HANDLE hungProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, kit::WindowProcess(hung));
    ASSERT_TRUE(hungProcess);
    menu = OpenBarMenu(b, 1);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.right - 5 * b.s);
    EXPECT_EQ(WaitForSingleObject(hungProcess, 9000), WAIT_OBJECT_0) << "not ended before its hang was over";
    code = 0;
    GetExitCodeProcess(hungProcess, &code);
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE)) << "terminated, keeping the code it ran with";
    CloseHandle(hungProcess);
}

TEST(BarClose, CloseAllFromASecondStartsMenuEndsTheBarsOpenPopupAsADialogAndTheBarLivesOn)
{
    BarDevice b(OptionsWithPhone(false), kFullOrder, "0001000");   // battery/memory alone
    ASSERT_TRUE(b.bar);
    HWND app = OpenInFront(b.device, L"Notes", L"SampleApp");
    ASSERT_TRUE(app);
    HWND popup = OpenPopup(b, b.right - kBatteryWidth * b.s / 2, L"Battery/Memory");
    ASSERT_TRUE(popup);
    const DWORD barProcess = kit::WindowProcess(b.bar);

    // A second start asks for the menu at x 240: the popup and Notes are listed.
    const Device::Process second = b.device.Start(L"\\Program Files\\Velkis\\Velkis.exe");
    OpenMenu menu = WaitForBarMenu(b, 2);
    ASSERT_TRUE(menu.window);
    EXPECT_GE(menu.frame.left, 0);
    EXPECT_LE(menu.frame.right, b.device.Screen().cx);
    TapLine(b.device, menu, LineOfCommand(40022, 2), menu.frame.left + 40 * b.s);   // "Close All"
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(popup) && !IsWindow(app); }, 10000));
    bool timedOut = false;
    b.device.WaitExit(second, 5000, &timedOut);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(b.device.Settle(b.bar, 5000));
    EXPECT_EQ(kit::WindowProcess(b.bar), barProcess) << "the bar's own process was ended";
    EXPECT_TRUE(IsWindow(b.device.Taskbar()) && IsWindow(b.device.Today()));
}

TEST(BarClose, AnApplicationThatPausesBeforeClosingIsWaitedForAndClosesItself)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND busy = b.device.OpenSampleWindow(L"Busy", L"SampleApp", kPlain, 0, emu::sample_trait::PausesOnClose);
    ASSERT_TRUE(busy);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, kit::WindowProcess(busy));
    ASSERT_TRUE(process);
    Choose(b, 1, 40022);   // "Close All"
    EXPECT_EQ(WaitForSingleObject(process, 8000), WAIT_OBJECT_0);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    EXPECT_EQ(code, 0u) << "ended during its 2 s pause instead of closing itself";
    CloseHandle(process);
    EXPECT_EQ(EventsOf(b.device, "Busy"), (std::vector<std::string>{"pause", "close"}));
}
