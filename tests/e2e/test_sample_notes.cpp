// The sample programs that other tests close: Notes asks before losing text, the hang stops answering.
#include <gtest/gtest.h>
#include "tests/e2e/bar_menu_kit.h"
#include "tests/kit/device.h"
#include "emulator/lib/command_line.h"

using kit::Device;
using namespace bartest;

TEST(SampleNotes, ClosedFromTheBarMenuWithUnsavedTextAsksAndYesSavesTheFile)
{
    BarDevice b("0000010");
    ASSERT_TRUE(b.bar);
    HWND notes = b.device.OpenSampleWindow(L"Notes", L"NotesClass", WS_POPUP | WS_VISIBLE, 0, emu::sample_trait::Notes);
    ASSERT_TRUE(notes);
    HWND edit = GetDlgItem(notes, emu::kNotesEditId);
    ASSERT_TRUE(edit);
    for (wchar_t c : std::wstring(L"milk"))
        PostMessageW(edit, WM_CHAR, c, 1);
    ASSERT_TRUE(b.device.Settle(notes));

    OpenMenu menu = OpenBarMenu(b, 1);
    ASSERT_TRUE(menu.window);
    TapLine(b.device, menu, 0, menu.frame.right - 5 * b.s);   // the line's close mark

    const DWORD pid = kit::WindowProcess(notes);
    HWND box = nullptr;
    wchar_t text[64] = L"";
    ASSERT_TRUE(Device::WaitUntil([&] {
        box = kit::FindProcessWindow(pid, L"#32770", L"Notes");
        return box && IsWindowVisible(box) && GetDlgItemTextW(box, 0xFFFF, text, 64) > 0;
    }, 5000)) << "no prompt";
    EXPECT_STREQ(text, L"Save changes?");
    EXPECT_FALSE(b.device.FileExists(emu::kNotesDefaultFile)) << "nothing saved before the answer";
    PostMessageW(box, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(Device::WaitUntil([&] { return !IsWindow(notes); }, 5000));
    EXPECT_EQ(b.device.ReadFile(emu::kNotesDefaultFile), "milk");
}

TEST(SampleNotes, TheHangCommandStopsTheWindowAnswering)
{
    Device d;
    ASSERT_TRUE(d.Ready());
    HWND hung = d.OpenSampleWindow(L"Busy", L"SampleApp", WS_POPUP | WS_VISIBLE, 0, emu::sample_trait::HangButton);
    ASSERT_TRUE(hung);
    ASSERT_TRUE(FindWindowExW(hung, nullptr, L"Button", L"Hang 10 s"));
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(hung, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) << "answers before";
    PostMessageW(hung, WM_COMMAND, emu::kHangCommand, 0);
    ASSERT_TRUE(Device::WaitUntil([&] {
        for (const kit::SampleEvent& e : d.SampleEvents())
            if (e.title == "Busy" && e.what == "hang")
                return true;
        return false;
    }, 3000));
    EXPECT_FALSE(SendMessageTimeoutW(hung, WM_NULL, 0, 0, SMTO_NORMAL, 500, &result)) << "answers while hung";
}
