// Process snapshots over the toolhelp library.
#include "platform/processes.h"
#include <tlhelp32.h>

bool ForEachProcess(bool (*visit)(const ProcessInfo& info, void* context), void* context)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        entry.szExeFile[MAX_PATH - 1] = L'\0';
        ProcessInfo info{entry.th32ProcessID, entry.szExeFile};
        if (!visit(info, context))
            break;
    }
    CloseHandle(snapshot);
    return true;
}
