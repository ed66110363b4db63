// ReadFileStamp through the native attribute query, the only one that tells the last change.
// On the device: GetFileAttributesExW; it tells no change time, so the last write
// stands for it there.
#include "platform/file_stamp.h"
#include <winternl.h>

extern "C" NTSTATUS NTAPI NtQueryFullAttributesFile(POBJECT_ATTRIBUTES attributes,
                                                    PFILE_NETWORK_OPEN_INFORMATION information);

bool ReadFileStamp(const wchar_t* path, FileStamp& stamp)
{
    UNICODE_STRING name;
    if (!path || !RtlDosPathNameToNtPathName_U(path, &name, nullptr, nullptr))
        return false;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
    FILE_NETWORK_OPEN_INFORMATION information = {};
    const NTSTATUS status = NtQueryFullAttributesFile(&attributes, &information);
    RtlFreeUnicodeString(&name);
    if (!NT_SUCCESS(status) || (information.FileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp = FileStamp{information.EndOfFile.QuadPart, information.LastWriteTime.QuadPart,
                      information.ChangeTime.QuadPart};
    return true;
}
