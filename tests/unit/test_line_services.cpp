// Signal levels and the connection through the real calls, answered by the device's
// own tapi32.dll and cellcore.dll (beside the tests) from a device state written here.
#include <gtest/gtest.h>
#include "bar/status/readings.h"
#include "common/cellular_line.h"
#include "platform/emulated/device_state.h"
#include "tests/unit/kept_device_state.h"

namespace {

constexpr LineStep kNone = LineStep::None;

class LineServices : public ::testing::Test {
protected:
    KeptDeviceState kept;

    static void Lines(std::vector<TelephonyLineState> lines)
    {
        DeviceState state;
        state.lines = std::move(lines);
        ASSERT_TRUE(WriteDeviceState(state));
    }
    static void Connection(ConnectionAnswer answer)
    {
        DeviceState state;
        state.connection = answer;
        ASSERT_TRUE(WriteDeviceState(state));
    }
};

TEST_F(LineServices, SignalFieldGivesTheLevelThroughTheWalk)
{
    const struct { DWORD field; int level; } cases[] = {
        {0, 0}, {655, 0}, {656, 1}, {15729, 1}, {16383, 1}, {17039, 1}, {17040, 2},
        {0x8000, 2}, {49806, 3}, {49807, 4}, {0xFFFF, 4},
    };
    for (const auto& c : cases) {
        Lines({{L"Cellular Line", c.field, kNone}});
        EXPECT_EQ(ReadSignalLevel(), c.level) << "field " << c.field;
    }
}

TEST_F(LineServices, OnlyOpenLinesNamedCellularLineCount)
{
    const struct { std::vector<TelephonyLineState> lines; int level; bool phone; } cases[] = {
        {{}, 0, false},
        {{{L"Modem", 0xFFFF, kNone}, {L"Cellular Line", 0x4000, kNone}}, 1, true},
        {{{L"Cellular Line 2", 0xFFFF, kNone}, {L"Cellular Lin", 0xFFFF, kNone}, {L"cellular line", 0xFFFF, kNone}}, 0, false},
        // The last cellular line read wins; one at 0 % keeps the level before it.
        {{{L"Cellular Line", 0xFFFF, kNone}, {L"Cellular Line", 0x4000, kNone}}, 1, true},
        {{{L"Cellular Line", 0xFFFF, kNone}, {L"Cellular Line", 655, kNone}}, 4, true},
    };
    for (const auto& c : cases) {
        Lines(c.lines);
        EXPECT_EQ(ReadSignalLevel(), c.level) << c.lines.size() << " lines";
        EXPECT_EQ(DetectCellularLine(), c.phone) << c.lines.size() << " lines";
    }
}

TEST_F(LineServices, ALineThatFailsAStepIsSkipped)
{
    for (LineStep step : {LineStep::Negotiation, LineStep::Capabilities, LineStep::Open, LineStep::Status}) {
        Lines({{L"Cellular Line", 0xFFFF, step}, {L"Cellular Line", 0x8000, kNone}});
        EXPECT_EQ(ReadSignalLevel(), 2) << "step " << static_cast<int>(step);
        Lines({{L"Cellular Line", 0xFFFF, step}});
        EXPECT_EQ(ReadSignalLevel(), 0) << "step " << static_cast<int>(step);
        EXPECT_FALSE(DetectCellularLine()) << "step " << static_cast<int>(step);
    }
}

TEST_F(LineServices, EveryWalkInitialisesTelephonyOnce)
{
    Lines({{L"Cellular Line", 0xFFFF, kNone}});
    // Device programs of earlier runs in this prefix counted too.
    ASSERT_TRUE(WriteDeviceDword(device_value::TelephonyInitCount, 0));
    ReadSignalLevel();
    DetectCellularLine();
    DWORD count = 0;
    ASSERT_TRUE(ReadDeviceDword(device_value::TelephonyInitCount, &count));
    EXPECT_EQ(count, 2u);
}

TEST_F(LineServices, ConnectionAnswersAndTheWaitIsBounded)
{
    const struct { ConnectionAnswer answer; bool connected; } cases[] = {
        {ConnectionAnswer::Connected, true},
        {ConnectionAnswer::NotConnected, false},
        {ConnectionAnswer::RequestFails, false},
        {ConnectionAnswer::StatusStaysUnknown, false},
    };
    for (const auto& c : cases) {
        Connection(c.answer);
        const DWORD start = GetTickCount();
        EXPECT_EQ(IsInternetConnected(), c.connected) << static_cast<int>(c.answer);
        EXPECT_LT(GetTickCount() - start, kConnectionStatusWaitMs + 300) << static_cast<int>(c.answer);
    }
}

} // namespace
