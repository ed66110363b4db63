// The device state written by the emulator or a test is what platform/ reads back.
#include <gtest/gtest.h>
#include "platform/emulated/device_state.h"
#include "platform/wave_volume.h"
#include "tests/unit/kept_device_state.h"

TEST(DeviceState, RoundTripsEveryValueLineAndCard)
{
    KeptDeviceState kept;
    DeviceState written;
    written.lines = {{L"Modem", 1, LineStep::Open}, {L"Cellular Line", 0x1234, LineStep::None}};
    for (int i = 0; i < 10; ++i)
        written.lines.push_back({L"Line " + std::to_wstring(i), static_cast<DWORD>(i), LineStep::Status});
    written.connection = ConnectionAnswer::StatusStaysUnknown;
    written.batteryPercent = 42;
    written.memoryTotal = 123456789ull;
    written.memoryFree = 2345678ull;
    written.storageTotal = 5ull << 32;
    written.storageFree = 7;
    written.waveVolume = 0x80008000;
    written.platformMajor = 4;
    written.cards = {{L"CF Card", 2000, 1}, {L"SD Card", 1000, 400}};   // alphabetical, as listed back
    ASSERT_TRUE(WriteDeviceState(written));
    EXPECT_TRUE(ReadDeviceState() == written) << "twelve lines keep their device order";

    DWORD value = 77;
    EXPECT_TRUE(ReadDeviceDword(L"NoSuchValue", &value));
    EXPECT_EQ(value, 77u) << "an absent value leaves the caller's default";

    // Fewer lines and cards replace the old ones.
    written.lines = {{L"Cellular Line", 5, LineStep::None}};
    written.cards = {{L"Only", 10, 5}};
    ASSERT_TRUE(WriteDeviceState(written));
    EXPECT_TRUE(ReadDeviceLines() == written.lines);
    EXPECT_TRUE(ReadDeviceState().cards == written.cards);

    // The volume service is device-wide: what one program sets, the state holds.
    SetWaveOutVolume(0);
    EXPECT_EQ(WaveOutVolume(), 0u);
    EXPECT_TRUE(ReadDeviceDword(device_value::WaveVolume, &value));
    EXPECT_EQ(value, 0u);

    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kDeviceStateKey);
    EXPECT_FALSE(ReadDeviceDword(device_value::WaveVolume, &value)) << "no key: not an emulated device";
    EXPECT_TRUE(ReadDeviceLines().empty());
}
