// Process snapshots over the toolhelp library; a process's path is the desktop layer's.
#include "platform/processes.h"
#include "platform/scoped_win.h"
#include <tlhelp32.h>

bool ForEachProcess(bool (*visit)(const ProcessInfo& info, void* context), void* context)
{
    ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.valid())
        return false;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        entry.szExeFile[MAX_PATH - 1] = L'\0';
        ProcessInfo info{entry.th32ProcessID, entry.szExeFile};
        if (!visit(info, context))
            break;
    }
    return true;
}
