// Opening, deleting and locking files by their wide names: each build links its own implementation.
#pragma once
#include <cstdio>

// fopen with a wide path; a path beginning with "\" is a device path (root of the device).
FILE* IniOpenFile(const wchar_t* path, const char* mode);

// Deletes a file; true when it is gone.
bool IniRemoveFile(const wchar_t* path);

// The one lock of every INI file on the machine, shared by all processes: held around
// each read and each read-modify-write, so that no process ever reads a file another
// one is rewriting, nor rewrites one while another does (they share one scratch file).
// It may be taken again by the thread that holds it. False when it could not be had
// within a bound (a holder that hangs); the caller then writes nothing, and reads
// only what it must. After such a wait the process does not wait again: until the
// lock is had once more, each attempt only tries, so a hung holder costs a load of
// fifty lookups one wait, not fifty.
// Reads under a hold keep each file's text (common/ini_read.cpp) for that hold only;
// every write forgets them at once (IniForgetHeldTexts).
bool IniLockFiles();
void IniUnlockFiles();
// Which hold of this thread is the current one: a new number each time the thread
// takes the lock while not holding it.
unsigned IniHoldNumber();
void IniForgetHeldTexts();

// IniLockFiles for one scope.
class IniFilesLock {
public:
    IniFilesLock() : held_(IniLockFiles()) {}
    ~IniFilesLock()
    {
        if (held_)
            IniUnlockFiles();
    }
    IniFilesLock(const IniFilesLock&) = delete;
    IniFilesLock& operator=(const IniFilesLock&) = delete;
    bool Held() const { return held_; }

private:
    bool held_;
};
