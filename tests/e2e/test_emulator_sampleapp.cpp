// The sample application's windows carry the asked class, title and styles.
#include <gtest/gtest.h>
#include "tests/kit/device.h"
#include "emulator/lib/command_line.h"
#include "emulator/protocol.h"
#include <shellapi.h>

namespace {

// The extended style as the bar sees it on this platform: the window's own bits
// plus the caption OK-button bit that the emulator may carry as a property.
DWORD EffectiveExStyle(HWND w)
{
    DWORD ex = static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE));
    if (GetPropW(w, emu::kCaptionOkProp))
        ex |= emu::kCaptionOkBit;
    return ex;
}

std::wstring ClassOf(HWND w)
{
    wchar_t cls[64] = L"";
    GetClassNameW(w, cls, 64);
    return cls;
}

} // namespace

TEST(EmulatorSampleApp, WindowsCarryTheAskedClassTitleAndStyles)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    struct Case {
        const wchar_t* title;
        const wchar_t* cls;
        DWORD style;
        DWORD ex;
    } cases[] = {
        {L"Notes", L"NotesClass", WS_POPUP | WS_VISIBLE, 0},
        {L"Confirm", L"Dialog", WS_POPUP | WS_VISIBLE, 0x80000000},
        {L"Framed", L"FramedClass", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0x80000000},
        {L"", L"Untitled", WS_POPUP | WS_VISIBLE | 0x00010000, WS_EX_TOOLWINDOW},
    };
    const DWORD shellPid = kit::WindowProcess(d.Taskbar());
    for (const Case& c : cases) {
        SCOPED_TRACE(kit::Narrow(c.cls));
        HWND w = d.OpenSampleWindow(c.title, c.cls, c.style, c.ex);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(ClassOf(w), c.cls);
        wchar_t title[64] = L"x";
        GetWindowTextW(w, title, 64);
        EXPECT_STREQ(title, c.title);
        // Win32 itself adds clip-siblings to every top-level window and the window
        // edge to captioned ones; nothing else may differ from what was asked.
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)) & ~WS_CLIPSIBLINGS, c.style);
        EXPECT_EQ(EffectiveExStyle(w) & ~WS_EX_WINDOWEDGE, c.ex);
        EXPECT_NE(kit::WindowProcess(w), shellPid) << "sample windows live in their own process";
    }
}

TEST(EmulatorSampleApp, OneProcessOpensSeveralWindowsAndEndsWithTheLast)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    const std::wstring args = emu::FormatSampleArgs({{L"Mail", L"MailClass", WS_POPUP | WS_VISIBLE, 0},
                                                     {L"Compose", L"Dialog", WS_POPUP | WS_VISIBLE, 0}});
    const kit::Device::Process p = d.Start(L"\\Windows\\sampleapp.exe", args);
    ASSERT_NE(p.handle, nullptr);
    HWND mail = nullptr, compose = nullptr;
    ASSERT_TRUE(kit::Device::WaitUntil([&] {
        mail = kit::FindProcessWindow(p.pid, L"MailClass", L"Mail");
        compose = kit::FindProcessWindow(p.pid, L"Dialog", L"Compose");
        return mail && compose;
    }, 5000));
    // A dialog closes on OK; the program keeps running for its other window.
    PostMessageW(compose, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(kit::Device::WaitUntil([&] { return !IsWindow(compose); }, 3000));
    bool timedOut = false;
    d.WaitExit(p, 300, &timedOut);
    EXPECT_TRUE(timedOut);
    PostMessageW(mail, WM_CLOSE, 0, 0);
    EXPECT_EQ(d.WaitExit(p, 3000, &timedOut), 0u);
    EXPECT_FALSE(timedOut);
}

TEST(EmulatorSampleApp, RunsWithTheDeviceRootAsCurrentFolderAndRejectsBadArguments)
{
    kit::Device d;
    ASSERT_TRUE(d.Ready());
    HWND w = d.OpenSampleWindow(L"Here", L"HereClass", WS_POPUP | WS_VISIBLE, 0);
    ASSERT_NE(w, nullptr);
    bool sawCwd = false;
    for (const kit::SampleEvent& e : d.SampleEvents()) {
        if (e.what == "cwd") {
            EXPECT_EQ(e.text, "D:\\");
            sawCwd = true;
        }
    }
    EXPECT_TRUE(sawCwd);

    for (const wchar_t* bad : {L"", L"--window OnlyTitle", L"--window T C notanumber 0", L"--window T \"\" 0 0"}) {
        SCOPED_TRACE(kit::Narrow(bad));
        const kit::Device::Process p = d.Start(L"\\Windows\\sampleapp.exe", bad);
        bool timedOut = false;
        EXPECT_EQ(d.WaitExit(p, 3000, &timedOut), 2u);
        EXPECT_FALSE(timedOut);
    }
}

TEST(EmulatorSampleApp, ArgumentsRoundTrip)
{
    const std::vector<emu::SampleWindowSpec> specs{
        {L"Two words", L"Dialog", 0x90000000, 0x80000000}, {L"", L"C\"q", 1, 0, 3, L"\\My Documents\\a b.txt"}, {L"back\\slash\\", L"X", 0, 8}};
    const std::wstring line = emu::FormatSampleArgs(specs, L"Z:\\some dir\\log.txt");
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW((L"sampleapp.exe " + line).c_str(), &argc);
    ASSERT_NE(argv, nullptr);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    LocalFree(argv);
    std::vector<emu::SampleWindowSpec> parsed;
    std::wstring log;
    ASSERT_TRUE(emu::ParseSampleArgs(args, &parsed, &log));
    EXPECT_EQ(log, L"Z:\\some dir\\log.txt");
    ASSERT_EQ(parsed.size(), specs.size());
    for (size_t i = 0; i < specs.size(); ++i) {
        EXPECT_EQ(parsed[i].title, specs[i].title);
        EXPECT_EQ(parsed[i].cls, specs[i].cls);
        EXPECT_EQ(parsed[i].style, specs[i].style);
        EXPECT_EQ(parsed[i].exStyle, specs[i].exStyle);
        EXPECT_EQ(parsed[i].traits, specs[i].traits);
        EXPECT_EQ(parsed[i].file, specs[i].file);
    }
}
