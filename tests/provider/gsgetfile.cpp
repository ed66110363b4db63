// A file-dialog provider for tests, loaded by the setup program as "gsgetfile.dll".
// It answers with the path written in "gsgetfile.answer" beside it (8-bit text) and
// appends the flags and title it was called with to "gsgetfile.calls". Like the
// handheld's own library it knows only the handheld's record and refuses any other size.
#include <windows.h>
#include <commdlg.h>
#include <cstdio>
#include <string>

namespace {

std::wstring Beside(const wchar_t* name)
{
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&Beside), &self);
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(self, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

} // namespace

extern "C" __declspec(dllexport) BOOL WINAPI gsGetOpenFileName(OPENFILENAME_NT4W* request)
{
    if (request->lStructSize != sizeof(OPENFILENAME_NT4W))
        return FALSE;
    if (FILE* calls = _wfopen(Beside(L"gsgetfile.calls").c_str(), L"ab")) {
        std::fprintf(calls, "%lu %ls\n", request->Flags, request->lpstrTitle ? request->lpstrTitle : L"");
        std::fclose(calls);
    }
    char answer[MAX_PATH] = "";
    FILE* file = _wfopen(Beside(L"gsgetfile.answer").c_str(), L"r");
    if (!file)
        return FALSE;
    const bool read = std::fgets(answer, MAX_PATH, file) != nullptr;
    std::fclose(file);
    if (!read || request->nMaxFile == 0)
        return FALSE;
    MultiByteToWideChar(CP_ACP, 0, answer, -1, request->lpstrFile, static_cast<int>(request->nMaxFile));
    request->lpstrFile[request->nMaxFile - 1] = L'\0';
    return TRUE;
}
