// A running process's executable path, asked of the process with the limited query right.
// On the device: GetModuleFileNameW over the handle that OpenProcess gives without
// rights there, or the szExeFile of a CreateToolhelp32Snapshot entry.
#include "platform/processes.h"
#include "platform/scoped_win.h"

bool ProcessImagePath(DWORD processId, wchar_t* path, DWORD capacity)
{
    ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    DWORD size = capacity;
    return process.get() && QueryFullProcessImageNameW(process.get(), 0, path, &size) != FALSE;
}
