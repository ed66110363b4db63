// The emulated handheld's connection manager (cellcore.dll): answers from the device state.
//
// A request takes the state's answer when it is made: connected, disconnected, a
// status that stays unknown, or a failed request.
#include "platform/connection_manager.h"
#include "platform/emulated/device_state.h"
#include <map>
#include <mutex>

namespace {

std::mutex guard;
std::map<UINT_PTR, DWORD> connections;   // handle -> the status it reports
UINT_PTR nextHandle = 1;

DWORD StatusFor(ConnectionAnswer answer)
{
    switch (answer) {
    case ConnectionAnswer::Connected:          return kConnectionStatusConnected;
    case ConnectionAnswer::StatusStaysUnknown: return kConnectionStatusUnknown;
    default:                                   return kConnectionStatusDisconnected;
    }
}

} // namespace

extern "C" {

HRESULT WINAPI ConnMgrEstablishConnection(ConnectionRequest* request, HANDLE* connection)
{
    if (!request || !connection || request->size != sizeof(ConnectionRequest))
        return E_INVALIDARG;
    *connection = nullptr;
    DWORD answer = static_cast<DWORD>(ConnectionAnswer::NotConnected);
    ReadDeviceDword(device_value::Connection, &answer);
    if (static_cast<ConnectionAnswer>(answer) == ConnectionAnswer::RequestFails)
        return E_FAIL;
    std::lock_guard<std::mutex> lock(guard);
    const UINT_PTR handle = nextHandle++;
    connections[handle] = StatusFor(static_cast<ConnectionAnswer>(answer));
    *connection = reinterpret_cast<HANDLE>(handle);
    return S_OK;
}

HRESULT WINAPI ConnMgrConnectionStatus(HANDLE connection, DWORD* status)
{
    if (!status)
        return E_INVALIDARG;
    std::lock_guard<std::mutex> lock(guard);
    auto found = connections.find(reinterpret_cast<UINT_PTR>(connection));
    if (found == connections.end())
        return E_INVALIDARG;
    *status = found->second;
    return S_OK;
}

HRESULT WINAPI ConnMgrReleaseConnection(HANDLE connection, LONG)
{
    std::lock_guard<std::mutex> lock(guard);
    return connections.erase(reinterpret_cast<UINT_PTR>(connection)) ? S_OK : E_INVALIDARG;
}

} // extern "C"
