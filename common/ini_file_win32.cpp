// Files by wide name on Windows: the device drive is the current drive, so "\x" is a device path.
#include "common/ini_file.h"
#include <windows.h>
#include <cwchar>

namespace {

// A write takes milliseconds; a holder this late has hung.
constexpr DWORD kLockWaitMs = 10000;

// Open for the process's life: the lock is wanted on every read.
HANDLE FilesMutex()
{
    static const HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Global\\VelkisIniFiles");
    return mutex;
}

} // namespace

FILE* IniOpenFile(const wchar_t* path, const char* mode)
{
    wchar_t wideMode[8] = {};
    for (int i = 0; i < 7 && mode[i]; ++i)
        wideMode[i] = wchar_t(mode[i]);
    return _wfopen(path, wideMode);
}

bool IniRemoveFile(const wchar_t* path)
{
    return _wremove(path) == 0;
}

bool IniLockFiles()
{
    HANDLE mutex = FilesMutex();
    if (!mutex)
        return true;   // no lock object to be had: the files are used as they always were
    // An abandoned lock is ours: its holder died, and the files are as it left them.
    const DWORD waited = WaitForSingleObject(mutex, kLockWaitMs);
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

void IniUnlockFiles()
{
    if (HANDLE mutex = FilesMutex())
        ReleaseMutex(mutex);
}
