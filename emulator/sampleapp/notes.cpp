// Notes: its edit control, the unsaved mark and the save prompt.
#include "emulator/sampleapp/notes.h"
#include "emulator/sampleapp/save_prompt.h"
#include "emulator/lib/command_line.h"
#include "emulator/lib/device_paths.h"
#include "platform/scoped_win.h"

namespace sample {

void CreateNotesEdit(HWND window, SampleWindow& notes)
{
    RECT r;
    GetClientRect(window, &r);
    notes.edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                 0, 0, r.right, r.bottom, window, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(emu::kNotesEditId)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(notes.edit, WM_SETFONT, reinterpret_cast<WPARAM>(SampleFont()), FALSE);
}

void OnNotesEditCommand(SampleWindow& notes, WORD code)
{
    if (code == EN_CHANGE)
        notes.unsaved = true;
}

namespace {

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    ScopedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    DWORD written = 0;
    return bytes.empty()
        || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
}

} // namespace

bool SaveNotesText(const std::wstring& path, const std::wstring& text)
{
    const std::wstring target = emu::DevicePath(path);
    const size_t slash = target.find_last_of(L"\\/");
    if (slash != std::wstring::npos && !emu::CreateFolders(target.substr(0, slash)))
        return false;
    std::string bytes;
    if (!text.empty()) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        bytes.resize(n > 0 ? n : 0);
        if (n > 0)
            WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n, nullptr, nullptr);
    }
    const std::wstring temporary = target + L".saving";
    if (!WriteWholeFile(temporary, bytes)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

namespace {

std::wstring TextOf(HWND edit)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    const int n = GetWindowTextW(edit, &text[0], static_cast<int>(text.size()));
    text.resize(n > 0 ? n : 0);
    return text;
}

} // namespace

bool NotesMayClose(HWND window, SampleWindow& notes)
{
    if (!notes.unsaved)
        return true;
    if (notes.asking)
        return false;   // a second close while the prompt is open waits for its answer
    wchar_t title[64] = L"";
    GetWindowTextW(window, title, 64);
    notes.asking = true;
    const int answer = AskSaveChanges(window, title);
    notes.asking = false;
    switch (answer) {
    case IDYES:
        if (!SaveNotesText(notes.file.empty() ? emu::kNotesDefaultFile : notes.file, TextOf(notes.edit)))
            return false;
        notes.unsaved = false;
        return true;
    case IDNO:
        return true;
    default:
        return false;
    }
}

} // namespace sample
