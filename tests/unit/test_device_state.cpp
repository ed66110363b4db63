// The device state written by the emulator or a test is what platform/ reads back.
#include <gtest/gtest.h>
#include "platform/device_state.h"
#include "platform/scoped_win.h"

namespace {

// Puts the state back as the test found it, so later tests read the same device.
class KeptDeviceState {
public:
    KeptDeviceState() : existed_(KeyExists()), kept_(ReadDeviceState()) {}
    ~KeptDeviceState()
    {
        if (existed_)
            WriteDeviceState(kept_);
        else
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, kDeviceStateKey);
    }
    static bool KeyExists()
    {
        ScopedRegKey key;
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceStateKey, 0, KEY_READ, key.out()) == ERROR_SUCCESS;
    }
private:
    bool existed_;
    DeviceState kept_;
};

} // namespace

TEST(DeviceState, RoundTripsEveryValueAndCard)
{
    KeptDeviceState kept;
    DeviceState written;
    written.cellularLine = false;
    written.signalStrength = 0x1234;
    written.internetConnected = true;
    written.batteryPercent = 42;
    written.memoryTotal = 123456789ull;
    written.memoryFree = 2345678ull;
    written.storageTotal = 5ull << 32;
    written.storageFree = 7;
    written.waveVolume = 0x80008000;
    written.platformMajor = 4;
    written.cards = {{L"SD Card", 1000, 400}, {L"CF Card", 2000, 1}};
    ASSERT_TRUE(WriteDeviceState(written));

    DeviceState read = ReadDeviceState();
    EXPECT_FALSE(read.cellularLine);
    EXPECT_EQ(read.signalStrength, 0x1234u);
    EXPECT_TRUE(read.internetConnected);
    EXPECT_EQ(read.batteryPercent, 42u);
    EXPECT_EQ(read.memoryTotal, 123456789ull);
    EXPECT_EQ(read.memoryFree, 2345678ull);
    EXPECT_EQ(read.storageTotal, 5ull << 32);
    EXPECT_EQ(read.storageFree, 7ull);
    EXPECT_EQ(read.waveVolume, 0x80008000u);
    EXPECT_EQ(read.platformMajor, 4u);
    ASSERT_EQ(read.cards.size(), 2u);
    // Registry enumeration is alphabetical; find each by name.
    for (const StorageCardState& card : read.cards) {
        if (card.name == L"SD Card") { EXPECT_EQ(card.totalBytes, 1000u); EXPECT_EQ(card.freeBytes, 400u); }
        else { EXPECT_EQ(card.name, L"CF Card"); EXPECT_EQ(card.totalBytes, 2000u); EXPECT_EQ(card.freeBytes, 1u); }
    }

    ASSERT_TRUE(WriteDeviceDword(device_value::SignalStrength, 0xFFFF));
    EXPECT_EQ(ReadDeviceDword(device_value::SignalStrength, 0), 0xFFFFu);
    EXPECT_EQ(ReadDeviceDword(L"NoSuchValue", 77), 77u);

    // A smaller card list replaces the old one.
    written.cards = {{L"Only", 10, 5}};
    ASSERT_TRUE(WriteDeviceState(written));
    read = ReadDeviceState();
    ASSERT_EQ(read.cards.size(), 1u);
    EXPECT_EQ(read.cards[0].name, L"Only");
}
