// The handheld's connection manager (cellcore.dll), reached by name at run time.
//
// The records and results are the handheld's; where the library is absent (a desktop,
// a device without it) every request fails, which callers treat as "not connected".
#pragma once
#include <windows.h>

// The connection-request record, with the handheld's layout: 64 bytes on its 32 bits.
struct ConnectionRequest {
    DWORD size;                  // sizeof(ConnectionRequest), 64
    DWORD params;                // which optional fields are valid
    DWORD flags;                 // proxy kinds the caller accepts
    DWORD priority;
    BOOL exclusive;
    BOOL disabled;
    GUID destination;            // the destination network
    HWND window;                 // notification window (none: the bar polls the status)
    UINT message;
    LPARAM lParam;
    DWORD maxCost;
    DWORD minReceiveBandwidth;
    DWORD maxLatency;
};
// The handheld is a 32-bit machine; a 64-bit desktop build widens the window and lParam.
static_assert(sizeof(void*) != 4 || sizeof(ConnectionRequest) == 64, "the handheld's request record is 64 bytes");

constexpr DWORD kConnectionParamDestination = 0x1;      // destination field given
constexpr DWORD kConnectionStatusUnknown = 0;
constexpr DWORD kConnectionStatusConnected = 0x10;
constexpr DWORD kConnectionStatusDisconnected = 0x20;

// The Internet destination {436EF144-B4FB-4863-A041-8F905A62C572}.
constexpr GUID kInternetDestination = {0x436EF144, 0xB4FB, 0x4863, {0xA0, 0x41, 0x8F, 0x90, 0x5A, 0x62, 0xC5, 0x72}};

// The library and the names of its three operations (ordinals 120 to 122 on the handheld).
constexpr wchar_t kConnectionManagerDll[] = L"cellcore.dll";
constexpr char kEstablishConnectionName[] = "ConnMgrEstablishConnection";
constexpr char kConnectionStatusName[] = "ConnMgrConnectionStatus";
constexpr char kReleaseConnectionName[] = "ConnMgrReleaseConnection";
typedef HRESULT (WINAPI* EstablishConnectionProc)(ConnectionRequest* request, HANDLE* connection);
typedef HRESULT (WINAPI* ConnectionStatusProc)(HANDLE connection, DWORD* status);
typedef HRESULT (WINAPI* ReleaseConnectionProc)(HANDLE connection, LONG cacheSeconds);

// Asks for a connection as request describes; the handle is the caller's to release.
// False (and no handle) when the manager refuses or the library is absent.
bool EstablishConnection(ConnectionRequest* request, HANDLE* connection);

// The connection's current status bits; false when it cannot be read.
bool ReadConnectionStatus(HANDLE connection, DWORD* status);

// Gives the handle back; the manager may keep the line up for cacheSeconds.
void ReleaseConnection(HANDLE connection, LONG cacheSeconds);
