// Process snapshots: each running process's id and executable file name.
#pragma once
#include <windows.h>

struct ProcessInfo {
    DWORD processId;
    const wchar_t* exeFile;   // as the snapshot reports it; may hold a path
};

// Calls visit for every process of one snapshot, in the snapshot's order, until
// visit returns false. Returns false only when no snapshot could be taken.
bool ForEachProcess(bool (*visit)(const ProcessInfo& info, void* context), void* context);

// The executable path of a running process into path (capacity units). False when
// the process cannot be opened or its path does not fit. The handheld opens any
// process without rights; desktop Win32 wants the limited query right said aloud.
bool ProcessImagePath(DWORD processId, wchar_t* path, DWORD capacity);
