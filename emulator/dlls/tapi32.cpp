// The emulated handheld's telephony line service (tapi32.dll): line devices from the device state.
//
// Each initialisation takes a snapshot of the state's lines; a line may fail at the
// step its state names. Every initialisation is counted in the state, so a test can
// tell whether a program asked at all. Only what the device's programs use is here.
#include "platform/emulated/device_state.h"
#include <tapi.h>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLowestApi = 0x00010003;
constexpr DWORD kHighestApi = 0x00020002;
constexpr DWORD kLowestExt = 0x00010000;
constexpr DWORD kHighestExt = 0x00010001;

struct LineApp {
    std::vector<TelephonyLineState> lines;
    std::vector<DWORD> openLines;   // handles of lines opened through this app
};

struct OpenLine {
    DWORD app;
    DWORD device;
};

std::mutex guard;
std::map<DWORD, LineApp> apps;
std::map<DWORD, OpenLine> openLines;
DWORD nextHandle = 1;

// The line of app's device, or null when either is unknown.
const TelephonyLineState* FindLine(DWORD app, DWORD device)
{
    auto found = apps.find(app);
    if (found == apps.end() || device >= found->second.lines.size())
        return nullptr;
    return &found->second.lines[device];
}

LONG StepResult(const TelephonyLineState* line, LineStep step, LONG failure)
{
    if (!line)
        return LINEERR_BADDEVICEID;
    return line->failsAt == step ? failure : 0;
}

void CountInitialisation()
{
    DWORD count = 0;
    if (ReadDeviceDword(device_value::TelephonyInitCount, &count))
        WriteDeviceDword(device_value::TelephonyInitCount, count + 1);
}

HANDLE SharedEvent()
{
    static HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return event;
}

} // namespace

extern "C" {

LONG WINAPI lineInitializeExW(LPHLINEAPP app, HINSTANCE, LINECALLBACK, LPCWSTR, LPDWORD deviceCount,
                              LPDWORD apiVersion, LPLINEINITIALIZEEXPARAMS params)
{
    if (!app || !deviceCount || !apiVersion)
        return LINEERR_INVALPOINTER;
    if (params && params->dwTotalSize < sizeof(LINEINITIALIZEEXPARAMS))
        return LINEERR_STRUCTURETOOSMALL;
    CountInitialisation();
    LineApp state{ReadDeviceLines(), {}};
    std::lock_guard<std::mutex> lock(guard);
    const DWORD handle = nextHandle++;
    *deviceCount = static_cast<DWORD>(state.lines.size());
    apps[handle] = std::move(state);
    *app = handle;
    if (*apiVersion > kHighestApi)
        *apiVersion = kHighestApi;
    if (params) {
        params->dwNeededSize = params->dwUsedSize = sizeof(LINEINITIALIZEEXPARAMS);
        params->Handles.hEvent = (params->dwOptions == LINEINITIALIZEEXOPTION_USEEVENT) ? SharedEvent() : nullptr;
    }
    return 0;
}

LONG WINAPI lineNegotiateAPIVersion(HLINEAPP app, DWORD device, DWORD low, DWORD high, LPDWORD version,
                                    LPLINEEXTENSIONID extensionId)
{
    if (!version || !extensionId)
        return LINEERR_INVALPOINTER;
    std::lock_guard<std::mutex> lock(guard);
    const TelephonyLineState* line = FindLine(app, device);
    if (LONG failed = StepResult(line, LineStep::Negotiation, LINEERR_INCOMPATIBLEAPIVERSION))
        return failed;
    if (high < kLowestApi || low > kHighestApi || low > high)
        return LINEERR_INCOMPATIBLEAPIVERSION;
    *version = high < kHighestApi ? high : kHighestApi;
    std::memset(extensionId, 0, sizeof(*extensionId));
    return 0;
}

LONG WINAPI lineNegotiateExtVersion(HLINEAPP app, DWORD device, DWORD, DWORD low, DWORD high, LPDWORD version)
{
    if (!version)
        return LINEERR_INVALPOINTER;
    std::lock_guard<std::mutex> lock(guard);
    const TelephonyLineState* line = FindLine(app, device);
    if (LONG failed = StepResult(line, LineStep::Negotiation, LINEERR_INCOMPATIBLEEXTVERSION))
        return failed;
    if (high < kLowestExt || low > kHighestExt || low > high)
        return LINEERR_INCOMPATIBLEEXTVERSION;
    *version = high < kHighestExt ? high : kHighestExt;
    return 0;
}

// The name follows the fixed part, in UTF-16 with its terminator; a buffer too small
// for it gets the fixed part and the size it would need, as the line service does.
LONG WINAPI lineGetDevCapsW(HLINEAPP app, DWORD device, DWORD, DWORD, LPLINEDEVCAPS caps)
{
    if (!caps)
        return LINEERR_INVALPOINTER;
    const DWORD total = caps->dwTotalSize;
    if (total < sizeof(LINEDEVCAPS))
        return LINEERR_STRUCTURETOOSMALL;
    std::lock_guard<std::mutex> lock(guard);
    const TelephonyLineState* line = FindLine(app, device);
    if (LONG failed = StepResult(line, LineStep::Capabilities, LINEERR_OPERATIONFAILED))
        return failed;
    std::memset(caps, 0, sizeof(LINEDEVCAPS));
    caps->dwTotalSize = total;
    caps->dwPermanentLineID = device;
    caps->dwStringFormat = STRINGFORMAT_UNICODE;
    caps->dwMediaModes = LINEMEDIAMODE_INTERACTIVEVOICE | LINEMEDIAMODE_DATAMODEM;
    const DWORD nameBytes = static_cast<DWORD>((line->name.size() + 1) * sizeof(wchar_t));
    caps->dwNeededSize = sizeof(LINEDEVCAPS) + nameBytes;
    caps->dwUsedSize = sizeof(LINEDEVCAPS);
    if (caps->dwNeededSize <= total) {
        std::memcpy(reinterpret_cast<BYTE*>(caps) + sizeof(LINEDEVCAPS), line->name.c_str(), nameBytes);
        caps->dwLineNameOffset = sizeof(LINEDEVCAPS);
        caps->dwLineNameSize = nameBytes;
        caps->dwUsedSize = caps->dwNeededSize;
    }
    return 0;
}

LONG WINAPI lineOpenW(HLINEAPP app, DWORD device, LPHLINE line, DWORD, DWORD, DWORD_PTR, DWORD, DWORD,
                      LPLINECALLPARAMS const)
{
    if (!line)
        return LINEERR_INVALPOINTER;
    std::lock_guard<std::mutex> lock(guard);
    if (LONG failed = StepResult(FindLine(app, device), LineStep::Open, LINEERR_RESOURCEUNAVAIL))
        return failed;
    const DWORD handle = nextHandle++;
    openLines[handle] = OpenLine{app, device};
    apps[app].openLines.push_back(handle);
    *line = handle;
    return 0;
}

LONG WINAPI lineGetLineDevStatusW(HLINE line, LPLINEDEVSTATUS status)
{
    if (!status)
        return LINEERR_INVALPOINTER;
    const DWORD total = status->dwTotalSize;
    if (total < sizeof(LINEDEVSTATUS))
        return LINEERR_STRUCTURETOOSMALL;
    std::lock_guard<std::mutex> lock(guard);
    auto open = openLines.find(line);
    if (open == openLines.end())
        return LINEERR_INVALLINEHANDLE;
    const TelephonyLineState* state = FindLine(open->second.app, open->second.device);
    if (LONG failed = StepResult(state, LineStep::Status, LINEERR_OPERATIONFAILED))
        return failed;
    std::memset(status, 0, sizeof(LINEDEVSTATUS));
    status->dwTotalSize = total;
    status->dwNeededSize = status->dwUsedSize = sizeof(LINEDEVSTATUS);
    status->dwNumOpens = 1;
    status->dwSignalLevel = state->signal;
    return 0;
}

LONG WINAPI lineClose(HLINE line)
{
    std::lock_guard<std::mutex> lock(guard);
    return openLines.erase(line) ? 0 : LINEERR_INVALLINEHANDLE;
}

// Shutting down closes every line the app opened.
LONG WINAPI lineShutdown(HLINEAPP app)
{
    std::lock_guard<std::mutex> lock(guard);
    auto found = apps.find(app);
    if (found == apps.end())
        return LINEERR_INVALAPPHANDLE;
    for (DWORD line : found->second.openLines)
        openLines.erase(line);
    apps.erase(found);
    return 0;
}

} // extern "C"
