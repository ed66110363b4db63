// The telephony line walk over the desktop line API, which the handheld's tapi32 answers.
#include "common/cellular_line.h"
#include <tapi.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kApplicationName[] = L"GPRSStatus";
constexpr wchar_t kCellularLineName[] = L"Cellular Line";
constexpr DWORD kRequestedApiVersion = 0x00020000;
constexpr DWORD kLowestApiVersion = 0x00010003;
constexpr DWORD kHighestApiVersion = 0x00020002;
constexpr DWORD kLowestExtVersion = 0x00010000;
constexpr DWORD kHighestExtVersion = 0x00010001;
constexpr DWORD kOwnerAndMonitor = LINECALLPRIVILEGE_OWNER | LINECALLPRIVILEGE_MONITOR;               // 6
constexpr DWORD kVoiceAndModem = LINEMEDIAMODE_INTERACTIVEVOICE | LINEMEDIAMODE_DATAMODEM;            // 0x14

static_assert(sizeof(LINEDEVSTATUS) == kLineStatusSize, "the line-status record is 88 bytes");
static_assert(offsetof(LINEDEVSTATUS, dwSignalLevel) == kLineStatusSignalOffset, "signal at offset 44");

// The line's name as stored in the capabilities: at the name offset, over the stored
// length. A name that lies outside what the service filled in counts as no name.
bool NamedCellularLine(const LINEDEVCAPS* caps)
{
    const DWORD offset = caps->dwLineNameOffset;
    const DWORD size = caps->dwLineNameSize;
    const DWORD filled = caps->dwUsedSize < kLineCapsBufferSize ? caps->dwUsedSize : kLineCapsBufferSize;
    if (size == 0 || offset < sizeof(LINEDEVCAPS) || offset > filled || size > filled - offset)
        return false;
    std::wstring name(size / sizeof(wchar_t), L'\0');
    std::memcpy(&name[0], reinterpret_cast<const BYTE*>(caps) + offset, name.size() * sizeof(wchar_t));
    while (!name.empty() && name.back() == L'\0')
        name.pop_back();
    return name == kCellularLineName;
}

// Steps 1 to 4 for one device: true with *signal set when it is an open cellular line.
bool ReadCellularLine(HLINEAPP app, DWORD device, BYTE* capsBuffer, DWORD* signal)
{
    DWORD apiVersion = 0, extVersion = 0;
    LINEEXTENSIONID extensionId;
    if (lineNegotiateAPIVersion(app, device, kLowestApiVersion, kHighestApiVersion, &apiVersion, &extensionId) != 0
        || lineNegotiateExtVersion(app, device, apiVersion, kLowestExtVersion, kHighestExtVersion, &extVersion) != 0)
        return false;
    std::memset(capsBuffer, 0, kLineCapsBufferSize);
    auto* caps = reinterpret_cast<LINEDEVCAPS*>(capsBuffer);
    caps->dwTotalSize = kLineCapsBufferSize;
    if (lineGetDevCapsW(app, device, apiVersion, extVersion, caps) != 0 || !NamedCellularLine(caps))
        return false;
    HLINE line = 0;
    if (lineOpenW(app, device, &line, apiVersion, extVersion, 0, kOwnerAndMonitor, kVoiceAndModem, nullptr) != 0)
        return false;
    LINEDEVSTATUS status{};
    status.dwTotalSize = kLineStatusSize;
    if (lineGetLineDevStatusW(line, &status) != 0)
        return false;
    *signal = status.dwSignalLevel;
    return true;
}

} // namespace

bool WalkCellularLines(const std::function<bool(DWORD signal)>& visit)
{
    HLINEAPP app = 0;
    DWORD deviceCount = 0;
    DWORD apiVersion = kRequestedApiVersion;
    LINEINITIALIZEEXPARAMS params{};
    params.dwTotalSize = sizeof(params);
    params.dwOptions = LINEINITIALIZEEXOPTION_USEEVENT;
    if (lineInitializeExW(&app, GetModuleHandleW(nullptr), nullptr, kApplicationName, &deviceCount, &apiVersion, &params) != 0)
        return false;
    // Heap, not stack: the capabilities buffer is large for a handheld's thread.
    std::vector<BYTE> capsBuffer(kLineCapsBufferSize);
    for (DWORD device = 0; device < deviceCount; ++device) {
        DWORD signal = 0;
        if (ReadCellularLine(app, device, capsBuffer.data(), &signal) && !visit(signal))
            break;
    }
    lineShutdown(app);
    return true;
}

bool DetectCellularLine()
{
    bool found = false;
    WalkCellularLines([&found](DWORD) {
        found = true;
        return false;
    });
    return found;
}
