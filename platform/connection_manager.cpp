// The connection manager's three operations, bound by name once per process.
#include "platform/connection_manager.h"

namespace {

struct ConnectionManager {
    EstablishConnectionProc establish = nullptr;
    ConnectionStatusProc status = nullptr;
    ReleaseConnectionProc release = nullptr;
};

// The library stays loaded for the process's life: every status tick uses it, and a
// handheld's system library does not come and go.
const ConnectionManager& Manager()
{
    static const ConnectionManager manager = [] {
        ConnectionManager m;
        HMODULE library = LoadLibraryW(kConnectionManagerDll);
        if (!library)
            return m;
        m.establish = reinterpret_cast<EstablishConnectionProc>(
            reinterpret_cast<void*>(GetProcAddress(library, kEstablishConnectionName)));
        m.status = reinterpret_cast<ConnectionStatusProc>(
            reinterpret_cast<void*>(GetProcAddress(library, kConnectionStatusName)));
        m.release = reinterpret_cast<ReleaseConnectionProc>(
            reinterpret_cast<void*>(GetProcAddress(library, kReleaseConnectionName)));
        if (!m.establish || !m.status || !m.release)
            return ConnectionManager();
        return m;
    }();
    return manager;
}

} // namespace

bool EstablishConnection(ConnectionRequest* request, HANDLE* connection)
{
    *connection = nullptr;
    if (!Manager().establish)
        return false;
    if (FAILED(Manager().establish(request, connection)) || !*connection) {
        *connection = nullptr;
        return false;
    }
    return true;
}

bool ReadConnectionStatus(HANDLE connection, DWORD* status)
{
    return Manager().status && SUCCEEDED(Manager().status(connection, status));
}

void ReleaseConnection(HANDLE connection, LONG cacheSeconds)
{
    if (Manager().release && connection)
        Manager().release(connection, cacheSeconds);
}
