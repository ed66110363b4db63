// A fresh temporary folder for INI tests, made current so device paths resolve to its drive's root.
#pragma once
#include <windows.h>
#include <cstdio>
#include <string>
#include "common/ini.h"

class IniTestFolder {
public:
    IniTestFolder()
    {
        GetCurrentDirectoryW(MAX_PATH, previous_);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static unsigned counter;
        folder_ = std::wstring(temp) + L"velkis-ini-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++counter);
        CreateDirectoryW(folder_.c_str(), nullptr);
        SetCurrentDirectoryW(folder_.c_str());
        DeleteFileW(ScratchPath().c_str());
    }
    ~IniTestFolder()
    {
        DeleteFileW(ScratchPath().c_str());
        SetCurrentDirectoryW(previous_);
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW(Path(found.cFileName).c_str());
            while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(folder_.c_str());
    }
    IniTestFolder(const IniTestFolder&) = delete;
    IniTestFolder& operator=(const IniTestFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }

    // Where the engine's scratch file lands: the root of the current drive.
    static std::wstring ScratchPath()
    {
        wchar_t full[MAX_PATH];
        GetFullPathNameW(INI_SCRATCH_PATH, MAX_PATH, full, nullptr);
        return full;
    }

    static void Write(const std::wstring& path, const std::string& bytes)
    {
        FILE* f = _wfopen(path.c_str(), L"wb");
        if (!f)
            return;
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }

    // The file's bytes, or "<missing>" when it cannot be opened.
    static std::string Read(const std::wstring& path)
    {
        FILE* f = _wfopen(path.c_str(), L"rb");
        if (!f)
            return "<missing>";
        std::string bytes;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
            bytes.append(buffer, n);
        fclose(f);
        return bytes;
    }

    static bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    wchar_t previous_[MAX_PATH] = {};
    std::wstring folder_;
};
