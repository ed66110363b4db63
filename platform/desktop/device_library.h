// A function of the emulated device's own library in its \Windows, bound by name.
#pragma once
#include <windows.h>

// name from library, or fallback (the desktop's own) where the device has no such
// library or function. The library stays loaded for the process's life, as a system
// library does.
template <typename Proc>
Proc DeviceFunctionOr(const wchar_t* library, const char* name, Proc fallback)
{
    HMODULE module = LoadLibraryW(library);
    if (!module)
        return fallback;
    Proc found = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return found ? found : fallback;
}
