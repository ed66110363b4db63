// Reading and writing the device's shortcut text.
#include "emulator/lib/shortcut_text.h"
#include <cwctype>

namespace emu {

namespace {

std::wstring Decode(const std::string& bytes)
{
    std::wstring text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    } else {
        for (char c : bytes)
            text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return text;
}

std::wstring Trim(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return L"";
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

bool ParseShortcutText(const std::string& bytes, ShortcutCommand* out)
{
    const std::wstring text = Decode(bytes);
    const std::wstring line = text.substr(0, text.find_first_of(L"\r\n", 0));
    size_t digits = 0;
    while (digits < line.size() && iswdigit(line[digits]))
        ++digits;
    if (digits == 0 || digits >= line.size() || line[digits] != L'#')
        return false;
    const std::wstring command = Trim(line.substr(digits + 1));
    ShortcutCommand parsed;
    if (!command.empty() && command[0] == L'"') {
        const size_t close = command.find(L'"', 1);
        if (close == std::wstring::npos)
            return false;
        parsed.target = command.substr(1, close - 1);
        parsed.arguments = Trim(command.substr(close + 1));
    } else {
        const size_t space = command.find(L' ');
        parsed.target = command.substr(0, space);
        parsed.arguments = space == std::wstring::npos ? L"" : Trim(command.substr(space + 1));
    }
    if (parsed.target.empty())
        return false;
    *out = parsed;
    return true;
}

std::string FormatShortcutText(const std::wstring& target, const std::wstring& arguments)
{
    std::wstring command = L"\"" + target + L"\"";
    if (!arguments.empty())
        command += L" " + arguments;
    std::string text = std::to_string(command.size()) + "#";
    for (wchar_t c : command)
        text += static_cast<char>(c <= 0xFF ? c : '?');
    return text;
}

std::wstring ProgramFileOf(const std::wstring& target)
{
    const size_t slash = target.find_last_of(L"\\/");
    const size_t dot = target.find_last_of(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
        return target;
    return target + L".exe";
}

} // namespace emu
