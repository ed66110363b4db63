// The volume popup on the device: opening by Mode, the choices and what closing stores.
#include <gtest/gtest.h>
#include "tests/e2e/bar_test_skin.h"
#include "tests/kit/device.h"
#include <commctrl.h>

using kit::Device;
using namespace bartest;

namespace {

// With a phone the order names the signal too; Display shows the volume alone.
constexpr const char* kPhoneOrder = "signal,connection,home,volume,battery,clock,menu,close";
constexpr const char* kPhoneVolumeOnly = "00010000";
constexpr const char* kVolumeOnly = "0010000";

constexpr wchar_t kVolumeKey[] = L"ControlPanel\\Volume";
constexpr wchar_t kOverridesKey[] = L"ControlPanel\\Notifications\\ShellOverrides";
constexpr wchar_t kRingToneKey[] = L"ControlPanel\\Sounds\\RingTone0";
constexpr wchar_t kRingKey[] = L"ControlPanel\\SoundCategories\\Ring";

constexpr int kVolumeSlider = 1001, kOn = 1003, kOff = 1004, kRingerSlider = 1008, kVibrate = 1009;

void SetSoundDword(const wchar_t* key, const wchar_t* value, DWORD data)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, key, value, REG_DWORD, &data, sizeof(data));
}

DWORD SoundDword(const wchar_t* key, const wchar_t* value)
{
    DWORD data = 0xDEADBEEF;
    kit::ReadRegDword(HKEY_CURRENT_USER, key, value, &data);
    return data;
}

DWORD DeviceVolume()
{
    DWORD volume = 0xDEADBEEF;
    ReadDeviceDword(device_value::WaveVolume, &volume);
    return volume;
}

struct VolumeDevice : BarDevice {
    HWND popup = nullptr;

    explicit VolumeDevice(bool phone, const std::function<void(kit::Device&)>& beforeStart = nullptr)
        : BarDevice(OptionsWithPhone(phone), phone ? kPhoneOrder : kFullOrder, phone ? kPhoneVolumeOnly : kVolumeOnly,
                    beforeStart)
    {
        if (bar)
            Open();
    }
    void Open()
    {
        popup = OpenPopup(*this, right - kVolumeWidth * s / 2, L"Volume");
    }
    HWND Item(int id) { return GetDlgItem(popup, id); }
    int Position(int id) { return static_cast<int>(SendMessageW(Item(id), TBM_GETPOS, 0, 0)); }
    bool Checked(int id) { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // A tap on a radio button; the popup's own paint is the barrier, since the
    // button may repaint itself between the press and the release.
    void Choose(int id)
    {
        device.Tap(Item(id), 3 * s, 3 * s);
        device.Settle(popup);
        Device::WaitUntil([&] { return Checked(id); }, 3000);
    }
    // A slider moved down by steps with the keys; its release ends each step.
    void MoveDown(int id, int steps)
    {
        int target = Position(id) + steps;
        for (int i = 0; i < steps; ++i) {
            PostMessageW(Item(id), WM_KEYDOWN, VK_DOWN, 1);
            PostMessageW(Item(id), WM_KEYUP, VK_DOWN, 0xC0000001);
        }
        Device::WaitUntil([&] { return Position(id) == target; }, 3000);
        device.Settle(popup);
    }
    // A tap on the bar's title closes the popup.
    bool Close()
    {
        device.Tap(bar, 40 * s, 13 * s);
        return device.WaitForNoWindow(L"#32770", L"Volume");
    }
};

} // namespace

TEST(VolumePopup, OpensBelowTheBarWithTheDeviceVolume)
{
    VolumeDevice v(true);
    ASSERT_TRUE(v.popup);
    RECT r;
    GetWindowRect(v.popup, &r);
    EXPECT_EQ(r.left, 100 * v.s);
    EXPECT_EQ(r.top, 26 * v.s);
    EXPECT_EQ(r.right - r.left, kVolumePopupWidth * v.s);
    EXPECT_EQ(r.bottom - r.top, kVolumePopupHeight * v.s);
    EXPECT_TRUE(v.Checked(kOn));
    EXPECT_EQ(v.Position(kVolumeSlider), 2);   // 0xCCCCCCCC, the device's volume
    EXPECT_EQ(v.Position(kRingerSlider), 4);   // Ringer 0x99999999
    // The skin's image above, its magenta half left out.
    POINT inside{r.left + 60 * v.s, r.top + 10 * v.s};
    EXPECT_TRUE(Near(WaitForPixel(v.device, inside.x, inside.y, kVolumePopup), kVolumePopup));
    EXPECT_FALSE(Near(v.device.Pixel(inside.x, r.bottom - 2 * v.s), RGB(255, 0, 255)));
}

TEST(VolumePopup, ModeOffOpensAtTheBottomAndOnRestoresThePositions)
{
    VolumeDevice v(true, [](kit::Device&) {
        SetSoundDword(kOverridesKey, L"Mode", 2);
        SetSoundDword(kOverridesKey, L"SavedVolume", 0xe665e665);
        SetSoundDword(kOverridesKey, L"SavedRingerVolume", 0x66666666);
    });
    ASSERT_TRUE(v.popup);
    EXPECT_TRUE(v.Checked(kOff));
    EXPECT_FALSE(v.Checked(kOn));
    EXPECT_EQ(v.Position(kVolumeSlider), 10);
    EXPECT_EQ(v.Position(kRingerSlider), 10);
    v.Choose(kOn);
    EXPECT_TRUE(v.Checked(kOn));
    EXPECT_EQ(v.Position(kVolumeSlider), 1);
    EXPECT_EQ(v.Position(kRingerSlider), 6);

    // Off then On without a slider: back where they stood before Off.
    v.MoveDown(kVolumeSlider, 2);
    v.Choose(kOff);
    EXPECT_EQ(v.Position(kVolumeSlider), 10);
    v.Choose(kOn);
    EXPECT_EQ(v.Position(kVolumeSlider), 3);
    EXPECT_EQ(v.Position(kRingerSlider), 6);
}

TEST(VolumePopup, OffThenVibrateStoresVibrateAndPutsTheRingToneAside)
{
    VolumeDevice v(true);
    ASSERT_TRUE(v.popup);
    v.Choose(kOff);
    v.Choose(kVibrate);
    EXPECT_TRUE(v.Checked(kVibrate));
    ASSERT_TRUE(v.Close());
    EXPECT_EQ(SoundDword(kOverridesKey, L"Mode"), 1u);
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, kRingToneKey, L"Sound"), L"*vibrate*");
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, kRingToneKey, L"SavedSound"), L"\\Windows\\Ring.wav");
    // The positions saved at Off survive the switch to Vibrate.
    EXPECT_EQ(SoundDword(kOverridesKey, L"SavedVolume"), 0xccccccccu);
    EXPECT_EQ(SoundDword(kOverridesKey, L"SavedRingerVolume"), 0x99999999u);
    EXPECT_EQ(SoundDword(kRingKey, L"InitVol"), 3u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Volume"), 0u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Ringer"), 0u);
    EXPECT_EQ(SoundDword(L"ControlPanel\\VolumeUnmuted", L"Volume"), 0u);   // the slider stood at 10
    EXPECT_EQ(SoundDword(L"ControlPanel\\VolumeUnmuted", L"Mute"), 7u);
    EXPECT_EQ(DeviceVolume(), 0u);

    // Reopened in Vibrate; On then restores sound and the ring tone.
    v.Open();
    ASSERT_TRUE(v.popup);
    EXPECT_TRUE(v.Checked(kVibrate));
    v.Choose(kOn);
    ASSERT_TRUE(v.Close());
    EXPECT_EQ(SoundDword(kOverridesKey, L"Mode"), 0u);
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, kRingToneKey, L"Sound"), L"\\Windows\\Ring.wav");
    EXPECT_EQ(DeviceVolume(), 0xccccccccu);
}

TEST(VolumePopup, ClosingWithOnAtPositionThreeStoresItsVolume)
{
    VolumeDevice v(true);
    ASSERT_TRUE(v.popup);
    v.MoveDown(kVolumeSlider, 1);
    EXPECT_TRUE(Device::WaitUntil([] { return DeviceVolume() == 0xb332b332u; }, 3000));   // heard at once
    ASSERT_TRUE(v.Close());
    EXPECT_EQ(SoundDword(kVolumeKey, L"Volume"), 0xb332b332u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Mute"), 7u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Ringer"), 0x99999999u);
    EXPECT_EQ(SoundDword(kOverridesKey, L"Mode"), 0u);
    EXPECT_EQ(DeviceVolume(), 0xb332b332u);
}

TEST(VolumePopup, MovingASliderWhileOffSwitchesToOnAtOnce)
{
    VolumeDevice v(true);
    ASSERT_TRUE(v.popup);
    v.Choose(kOff);
    ASSERT_TRUE(v.Checked(kOff));
    PostMessageW(v.Item(kRingerSlider), WM_KEYDOWN, VK_UP, 1);
    PostMessageW(v.Item(kRingerSlider), WM_KEYUP, VK_UP, 0xC0000001);
    EXPECT_TRUE(Device::WaitUntil([&] { return v.Checked(kOn); }, 3000));
    EXPECT_FALSE(v.Checked(kOff));
    EXPECT_EQ(v.Position(kRingerSlider), 9);
    EXPECT_EQ(SoundDword(kRingKey, L"InitVol"), 1u);
    // Both sliders were read at the release: the volume, at the bottom, is silent now.
    EXPECT_TRUE(Device::WaitUntil([] { return DeviceVolume() == 0; }, 3000));
}

TEST(VolumePopup, WithoutAPhoneOneSliderAndTheRingerIsNeverTouched)
{
    VolumeDevice v(false, [](kit::Device&) { SetSoundDword(kRingKey, L"InitVol", 5); });
    ASSERT_TRUE(v.popup);
    EXPECT_FALSE(IsWindowVisible(v.Item(kRingerSlider)));
    EXPECT_FALSE(IsWindowVisible(v.Item(kVibrate)));
    RECT on, off;
    GetWindowRect(v.Item(kOn), &on);
    GetWindowRect(v.Item(kOff), &off);
    MapWindowPoints(nullptr, v.popup, reinterpret_cast<POINT*>(&on), 2);
    MapWindowPoints(nullptr, v.popup, reinterpret_cast<POINT*>(&off), 2);
    // Where the template itself puts them, laid out by the platform here.
    const std::vector<RECT> places = kit::TemplateRects(v.device.ProgramDir() + L"\\Velkis.exe", 110, {kOn, kOff});
    EXPECT_EQ(on.top, places[0].top - 18 * v.s);
    EXPECT_EQ(off.top, places[1].top - 35 * v.s);

    v.Choose(kOff);
    ASSERT_TRUE(v.Close());
    // The bar shows mute at once, not at its next status tick.
    int x = v.right - kMuteWidth * v.s / 2;
    EXPECT_TRUE(Near(WaitForPixel(v.device, x, 13 * v.s, kMute, 1000), kMute));
    EXPECT_EQ(SoundDword(kOverridesKey, L"Mode"), 2u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Ringer"), 0x99999999u);
    EXPECT_EQ(SoundDword(kRingKey, L"InitVol"), 5u);
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, kRingToneKey, L"Sound"), L"\\Windows\\Ring.wav");
    EXPECT_EQ(kit::ReadRegString(HKEY_CURRENT_USER, kRingToneKey, L"SavedSound"), L"");
    EXPECT_EQ(SoundDword(kOverridesKey, L"SavedRingerVolume"), 0x99999999u);
}

TEST(VolumePopup, AMissingOverridesKeyOpensInOnAndIsNeverCreated)
{
    VolumeDevice v(true, [](kit::Device&) { RegDeleteTreeW(HKEY_CURRENT_USER, kOverridesKey); });
    ASSERT_TRUE(v.popup);
    EXPECT_TRUE(v.Checked(kOn));
    v.Choose(kOff);
    ASSERT_TRUE(v.Close());
    HKEY key;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kOverridesKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Volume"), 0u);   // the keys that exist still take the choice
}

TEST(VolumePopup, OnWhileOnKeepsTheVolumeAndKeyAndScreenSoundsComeBackAfterMuting)
{
    constexpr wchar_t kUnmutedKey[] = L"ControlPanel\\VolumeUnmuted";
    VolumeDevice v(true, [](kit::Device&) { SetSoundDword(kOverridesKey, L"SavedVolume", 0xe665e665); });
    ASSERT_TRUE(v.popup);
    ASSERT_EQ(v.Position(kVolumeSlider), 2);
    v.Choose(kOn);   // already On: the older saved position stays where it is
    EXPECT_EQ(v.Position(kVolumeSlider), 2);
    ASSERT_TRUE(v.Close());
    EXPECT_EQ(SoundDword(kVolumeKey, L"Volume"), 0xccccccccu);

    // Vibrate, then Off while muted: the backup of the sounds keeps what they were.
    auto reopenAndCloseWith = [&](int id) {
        v.Open();
        ASSERT_TRUE(v.popup);
        v.Choose(id);
        ASSERT_TRUE(v.Close());
    };
    reopenAndCloseWith(kVibrate);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Key"), 0u);
    reopenAndCloseWith(kOff);
    EXPECT_EQ(SoundDword(kUnmutedKey, L"Key"), 2u);
    EXPECT_EQ(SoundDword(kUnmutedKey, L"Screen"), 2u);

    // On brings key clicks, screen taps and the volume back.
    reopenAndCloseWith(kOn);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Key"), 2u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Screen"), 2u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Mute"), 7u);
    EXPECT_EQ(SoundDword(kVolumeKey, L"Volume"), 0xccccccccu);
    EXPECT_EQ(DeviceVolume(), 0xccccccccu);
}
