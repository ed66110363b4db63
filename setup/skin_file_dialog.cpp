// The open-file dialog of "Add Theme".
#include "setup/skin_file_dialog.h"
#include "platform/common_dialogs.h"
#include "platform/scoped_win.h"
#include <commdlg.h>

namespace {

constexpr DWORD kFileCapacity = 260;
// The provider takes the same record as the system's dialog.
using ProviderDialog = BOOL(WINAPI*)(DeviceOpenFileName*);

} // namespace

std::wstring ChooseSkinFile(HWND owner)
{
    wchar_t file[kFileCapacity] = L"";
    DeviceOpenFileName request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = L"skin (*.skin)\0*.skin\0All (*.*)\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = file;
    request.nMaxFile = kFileCapacity;
    request.lpstrInitialDir = L"\\My Document";
    request.lpstrTitle = L"Open Skin File...";

    // The provider is looked for at this moment, so that one installed later is used.
    ScopedModule provider(LoadLibraryW(L"gsgetfile.dll"));
    auto providerDialog = provider.get()
        ? reinterpret_cast<ProviderDialog>(reinterpret_cast<void*>(GetProcAddress(provider.get(), "gsGetOpenFileName")))
        : nullptr;
    BOOL chosen = FALSE;
    if (providerDialog) {
        request.Flags = kProviderDialogFlags;
        chosen = providerDialog(&request);
    } else {
        request.Flags = kSystemDialogFlags;
        chosen = GetDeviceOpenFileName(&request);
    }
    file[kFileCapacity - 1] = L'\0';
    return chosen ? std::wstring(file) : std::wstring();
}
