// Files by wide name on Windows: the device drive is the current drive, so "\x" is a device path.
#include "common/ini_file.h"
#include <windows.h>
#include <atomic>
#include <cwchar>

namespace {

// A write takes milliseconds; a holder this late has hung.
constexpr DWORD kLockWaitMs = 10000;

// Set by a wait that ran out, cleared by the next lock had.
std::atomic<bool> holderHung{false};

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
    return DeleteFileW(path) != FALSE;
}

// How often this thread holds the lock: taking it again costs no call to the system.
static thread_local int t_lockDepth = 0;
static thread_local unsigned t_holdNumber = 0;

bool IniLockFiles()
{
    if (t_lockDepth > 0) {
        ++t_lockDepth;
        return true;
    }
    HANDLE mutex = FilesMutex();
    // No lock object to be had: the files are used as they always were.
    // An abandoned lock is ours: its holder died, and the files are as it left them.
    const DWORD waited = mutex ? WaitForSingleObject(mutex, holderHung ? 0 : kLockWaitMs) : WAIT_OBJECT_0;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        holderHung = true;
        return false;
    }
    holderHung = false;
    t_lockDepth = 1;
    ++t_holdNumber;
    return true;
}

void IniUnlockFiles()
{
    if (t_lockDepth > 0 && --t_lockDepth == 0) {
        if (HANDLE mutex = FilesMutex())
            ReleaseMutex(mutex);
    }
}

unsigned IniHoldNumber()
{
    return t_holdNumber;
}
