// Writing the device shell's shortcut files.
#include "platform/shortcut.h"
#include "platform/scoped_win.h"
#include <windows.h>
#include <cwchar>

std::string ShortcutText(const wchar_t* target)
{
    const int length = static_cast<int>(wcslen(target));
    std::string narrow;
    if (length > 0) {
        const int bytes = WideCharToMultiByte(CP_ACP, 0, target, length, nullptr, 0, nullptr, nullptr);
        narrow.resize(bytes > 0 ? bytes : 0);
        if (bytes > 0)
            WideCharToMultiByte(CP_ACP, 0, target, length, &narrow[0], bytes, nullptr, nullptr);
    }
    return std::to_string(length) + "#" + narrow;
}

bool CreateShortcutFile(const wchar_t* linkPath, const wchar_t* target)
{
    if (!target || !*target)
        return false;
    const std::string text = ShortcutText(target);
    bool ok = false;
    {
        ScopedHandle file(CreateFileW(linkPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return false;
        DWORD written = 0;
        ok = WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
             written == text.size();
    }
    if (!ok)
        DeleteFileW(linkPath);
    return ok;
}
