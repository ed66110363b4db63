// Signal level, Internet connection and mute, read through the device's services.
#include "bar/status/readings.h"
#include "common/cellular_line.h"
#include "platform/connection_manager.h"
#include "platform/wave_volume.h"

namespace {

constexpr DWORD kAllProxyKinds = 15;
constexpr DWORD kRequestPriority = 8;
constexpr DWORD kPauseBetweenPollsMs = 5;

ConnectionRequest InternetRequest()
{
    ConnectionRequest request{};
    request.size = sizeof(request);
    request.params = kConnectionParamDestination;
    request.flags = kAllProxyKinds;
    request.priority = kRequestPriority;
    request.destination = kInternetDestination;
    return request;
}

// The first status other than "unknown", or unknown once the wait is over. A
// manager that answers at once is polled without pausing; one that keeps saying
// "unknown" must neither hang the bar nor keep the processor busy.
DWORD WaitForStatus(HANDLE connection)
{
    const DWORD start = GetTickCount();
    for (int poll = 0;; ++poll) {
        DWORD status = kConnectionStatusUnknown;
        if (!ReadConnectionStatus(connection, &status))
            return kConnectionStatusUnknown;
        if (status != kConnectionStatusUnknown || GetTickCount() - start >= kConnectionStatusWaitMs)
            return status;
        if (poll >= kConnectionPollsWithoutPause)
            Sleep(kPauseBetweenPollsMs);
    }
}

} // namespace

int SignalLevelFromStrength(DWORD signal, int previousLevel)
{
    if (signal == 0)
        return 0;
    const int percent = static_cast<int>(static_cast<double>(signal) * 100.0 * (1.0 / 65535.0));
    if (percent <= 0)
        return previousLevel;
    if (percent <= 25)
        return 1;
    if (percent <= 50)
        return 2;
    if (percent <= 75)
        return 3;
    return 4;   // a field beyond 0xFFFF reads as full strength
}

int ReadSignalLevel()
{
    int level = 0;
    WalkCellularLines([&level](DWORD signal) {
        level = SignalLevelFromStrength(signal, level);
        return true;
    });
    return level;
}

bool IsInternetConnected()
{
    ConnectionRequest request = InternetRequest();
    HANDLE connection = nullptr;
    if (!EstablishConnection(&request, &connection))
        return false;
    const DWORD status = WaitForStatus(connection);
    ReleaseConnection(connection, 0);
    return (status & kConnectionStatusConnected) != 0;
}

bool IsMuted()
{
    return WaveOutVolume() == 0;
}
