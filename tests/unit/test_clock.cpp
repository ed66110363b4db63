// Clock text and the system taskbar's clock width and tap points.
#include <gtest/gtest.h>
#include "bar/core/clock.h"
#include "platform/registry_value.h"
#include "bar/layout/bar_layout.h"

namespace {

constexpr DWORD kAbsent = static_cast<DWORD>(-1);
int digitalCalls = 0;
int FakeDigital()
{
    ++digitalCalls;
    return 37;
}

int Measure(bool date, bool bold)
{
    return date ? 50 : (bold ? 40 : 30);
}

// Sets the time pattern of the system default locale for one test.
class TimePattern {
public:
    explicit TimePattern(const wchar_t* pattern)
    {
        GetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, previous_, 80);
        SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, pattern);
    }
    ~TimePattern() { SetLocaleInfoW(kSystemDefaultLocale, LOCALE_STIMEFORMAT, previous_); }

private:
    wchar_t previous_[80] = L"";
};

} // namespace

TEST(ClockText, ShowsHoursAndMinutesWithoutSecondsOrMarker)
{
    SYSTEMTIME time = {};
    time.wYear = 2026;
    time.wMonth = 12;
    time.wDay = 7;
    time.wHour = 9;
    time.wMinute = 5;
    time.wSecond = 30;
    wchar_t text[20];
    {
        TimePattern pattern(L"HH:mm:ss");
        FormatClockText(time, text, 20);
        EXPECT_STREQ(text, L"09:05");
    }
    {
        TimePattern pattern(L"h:mm:ss tt");
        FormatClockText(time, text, 20);
        EXPECT_STREQ(text, L"9:05");
    }
    time.wHour = 21;
    {
        TimePattern pattern(L"H.mm.ss");
        FormatClockText(time, text, 20);
        EXPECT_STREQ(text, L"21.05");
    }
}

TEST(SystemClock, WidthFollowsAnalogLimitedVersionAndTodayScreen)
{
    ClockSettings s = {kAbsent, kAbsent, 5, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 0);        // limited, not on Today
    s.todayInFront = true;
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 20);       // analog icon
    EXPECT_EQ(SystemClockWidthFor(s, 2, FakeDigital), 40);
    s = {1, 0, 5, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 20);       // not limited: always shown
    s = {1, kAbsent, 4, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 20);       // version 4 ignores LimitedClock
    digitalCalls = 0;
    s = {0, kAbsent, 4, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 37);
    s = {2, kAbsent, 5, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 0);
    s.todayInFront = true;
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 37);
    s = {2, 0, 5, false};
    EXPECT_EQ(SystemClockWidthFor(s, 1, FakeDigital), 37);
    EXPECT_EQ(digitalCalls, 3);
}

TEST(SystemClock, DigitalWidthFollowsTBOpt)
{
    EXPECT_EQ(DigitalClockWidthFor(0, Measure), 0);
    EXPECT_EQ(DigitalClockWidthFor(1, Measure), 40);        // time in bold
    EXPECT_EQ(DigitalClockWidthFor(kAbsent, Measure), 40);
    EXPECT_EQ(DigitalClockWidthFor(2, Measure), 50);        // date
    EXPECT_EQ(DigitalClockWidthFor(7, Measure), 50);        // wider of time and date
}

TEST(TapPoints, SitLeftOfTheSystemCloseButtonAndClock)
{
    TapPoints p = TapPointsFor(240, 1, 20, true);
    EXPECT_EQ(p.connection.x, 142);
    EXPECT_EQ(p.signal.x, 162);
    EXPECT_EQ(p.clock.x, 202);
    EXPECT_EQ(p.clock.y, 13);
    p = TapPointsFor(240, 1, 20, false);
    EXPECT_EQ(p.connection.x, 162);
    // No system clock: the clock point lies off the taskbar, the icons move right.
    p = TapPointsFor(240, 1, 0, true);
    EXPECT_EQ(p.clock.x, -10);
    EXPECT_EQ(p.connection.x, 162);
    // Scale 2 doubles every fixed distance; the clock width is taken as measured.
    p = TapPointsFor(480, 2, 33, true);
    EXPECT_EQ(p.connection.x, 291);
    EXPECT_EQ(p.signal.x, 331);
    EXPECT_EQ(p.clock.x, 408);
    EXPECT_EQ(p.clock.y, 26);
}

TEST(RegistryDword, OnlyADwordValueIsRead)
{
    DWORD read = 7;
    EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, L"Software\\NoSuchKeyAnywhere", L"X", &read));
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VelkisClockTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    DWORD value = 2;
    RegSetValueExW(key, L"TBOpt", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof(value));
    RegSetValueExW(key, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"2"), 4);
    RegCloseKey(key);
    EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, L"Software\\VelkisClockTest", L"Text", &read));
    EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, L"Software\\VelkisClockTest", L"Missing", &read));
    EXPECT_EQ(read, 7u);
    EXPECT_TRUE(ReadRegistryDword(HKEY_CURRENT_USER, L"Software\\VelkisClockTest", L"TBOpt", &read));
    EXPECT_EQ(read, 2u);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VelkisClockTest");
}
