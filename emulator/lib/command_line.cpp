// Argument splitting and the sample application's window list.
#include "emulator/lib/command_line.h"
#include "emulator/lib/device_processes.h"
#include <shellapi.h>
#include <cerrno>
#include <cwchar>

namespace emu {

std::vector<std::wstring> CommandLineArgs()
{
    std::vector<std::wstring> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

bool ParseNumber(const std::wstring& text, unsigned long* value)
{
    if (text.empty() || text[0] == L'-')
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    unsigned long v = std::wcstoul(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != L'\0')
        return false;
    *value = v;
    return true;
}

bool ParseSampleArgs(const std::vector<std::wstring>& args, std::vector<SampleWindowSpec>* out,
                     std::wstring* logPath)
{
    std::vector<SampleWindowSpec> windows;
    std::wstring log;
    for (size_t i = 0; i < args.size();) {
        if (args[i] == L"--log" && i + 1 < args.size()) {
            log = args[i + 1];
            i += 2;
            continue;
        }
        unsigned long traits = 0;
        if (args[i] == L"--traits" && i + 1 < args.size() && !windows.empty() && ParseNumber(args[i + 1], &traits)) {
            windows.back().traits = traits;
            i += 2;
            continue;
        }
        if (args[i] == L"--file" && i + 1 < args.size() && !windows.empty() && !args[i + 1].empty()) {
            windows.back().file = args[i + 1];
            i += 2;
            continue;
        }
        if (args[i] != L"--window" || i + 4 >= args.size())
            return false;
        SampleWindowSpec w;
        unsigned long style = 0, ex = 0;
        w.title = args[i + 1];
        w.cls = args[i + 2];
        if (w.cls.empty() || !ParseNumber(args[i + 3], &style) || !ParseNumber(args[i + 4], &ex))
            return false;
        w.style = style;
        w.exStyle = ex;
        windows.push_back(w);
        i += 5;
    }
    *out = windows;
    if (logPath)
        *logPath = log;
    return true;
}

std::wstring FormatSampleArgs(const std::vector<SampleWindowSpec>& windows, const std::wstring& logPath)
{
    std::wstring line;
    if (!logPath.empty())
        line = L"--log " + QuoteArg(logPath);
    wchar_t number[16];
    for (const SampleWindowSpec& w : windows) {
        if (!line.empty())
            line += L' ';
        line += L"--window " + QuoteArg(w.title) + L" " + QuoteArg(w.cls);
        wsprintfW(number, L" 0x%08lX", w.style);
        line += number;
        wsprintfW(number, L" 0x%08lX", w.exStyle);
        line += number;
        if (w.traits) {
            wsprintfW(number, L" --traits %lu", w.traits);
            line += number;
        }
        if (!w.file.empty())
            line += L" --file " + QuoteArg(w.file);
    }
    return line;
}

} // namespace emu
