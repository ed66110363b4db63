// The volume popup on the device: opening by Mode, the choices and what closing stores.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include <commctrl.h>
#include "tests/kit/device.h"

using kit::Device;
using namespace bartest;

namespace {

// With a phone the order names the signal too; Display shows the volume alone.
constexpr const char* kPhoneOrder = "signal,connection,home,volume,battery,clock,menu,close";
constexpr const char* kPhoneVolumeOnly = "00010000";
constexpr const char* kVolumeOnly = "0010000";

HWND OpenVolume(BarDevice& b)
{
    b.device.Tap(b.bar, b.right - kVolumeWidth * b.s / 2, 13 * b.s);
    Sleep(500); printf("bar alive %d\n", IsWindow(b.bar)); b.device.SavePng(L"volume_bar.png", RECT{0, 0, b.right, 60});
    HWND any = b.device.WaitForWindow(L"#32770", nullptr); wchar_t t[50] = L""; if (any) GetWindowTextW(any, t, 50); printf("any %p %ls\n", (void*)any, t);
    return b.device.WaitForWindow(L"#32770", L"Volume");
}

} // namespace

TEST(VolumePopup, Look)
{
    BarDevice b(OptionsWithPhone(true), kPhoneOrder, kPhoneVolumeOnly);
    ASSERT_TRUE(b.bar);
    HWND popup = OpenVolume(b);
    ASSERT_TRUE(popup);
    RECT r;
    GetWindowRect(popup, &r);
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    for (int id : {1001, 1008, 1003, 1009, 1004}) {
        GetWindowRect(GetDlgItem(popup, id), &r);
        printf("%d: %ld %ld %ld %ld\n", id, r.left, r.top, r.right, r.bottom);
    }
    Sleep(500);
    b.device.SavePng(L"volume_popup.png", RECT{0, 0, b.right, 26 * b.s + 200 * b.s});
}
