// The device's shortcut files: one line of text "NN#command", NN the command's length.
#pragma once
#include <string>

namespace emu {

struct ShortcutCommand {
    std::wstring target;      // program path, without the quotes
    std::wstring arguments;   // what follows the target, trimmed
};

// Reads a shortcut file's bytes (8-bit text, or UTF-16 with its byte-order mark).
// False unless the first line is digits, "#" and a non-empty target.
bool ParseShortcutText(const std::string& bytes, ShortcutCommand* out);

// The file text of a shortcut to a quoted target with arguments, in 8-bit text.
std::string FormatShortcutText(const std::wstring& target, const std::wstring& arguments);

// A target without an extension names the program file with ".exe", as the
// device's shell starts it.
std::wstring ProgramFileOf(const std::wstring& target);

} // namespace emu
