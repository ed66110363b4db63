// Platform version: the emulated device's value, or the real system's.
#include "platform/platform_version.h"
#include "platform/emulated/device_state.h"

DWORD PlatformMajorVersion()
{
    DWORD major = 5;
    if (ReadDeviceDword(device_value::PlatformMajor, &major))
        return major;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(&info))
        return 5;
    return info.dwMajorVersion;
}
