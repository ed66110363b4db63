// The save prompt's dialog template, made in memory, and its dialog procedure.
#include "emulator/sampleapp/save_prompt.h"
#include <vector>

namespace sample {

namespace {

class TemplateWriter {
public:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) { Word(LOWORD(d)); Word(HIWORD(d)); }
    void Text(const wchar_t* text)
    {
        for (; *text; ++text)
            Word(static_cast<WORD>(*text));
        Word(0);
    }
    void AlignToDword()
    {
        if (words_.size() % 2)
            Word(0);
    }
    // One control: x, y, cx, cy in dialog units; cls the predefined class atom.
    void Control(DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls, const wchar_t* text)
    {
        AlignToDword();
        Dword(WS_CHILD | WS_VISIBLE | style);
        Dword(0);
        Word(x), Word(y), Word(cx), Word(cy);
        Word(id);
        Word(0xFFFF), Word(cls);
        Text(text);
        Word(0);   // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDYES || LOWORD(wParam) == IDNO || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

int AskSaveChanges(HWND owner, const wchar_t* title)
{
    TemplateWriter t;
    t.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_VISIBLE);
    t.Dword(0);
    t.Word(4);
    t.Word(0), t.Word(0), t.Word(110), t.Word(42);
    t.Word(0), t.Word(0);   // no menu, the dialog class
    t.Text(title);
    t.Word(8);   // the handheld's dialog font, which follows the screen's density
    t.Text(L"Tahoma");
    t.Control(SS_LEFT, 6, 6, 98, 10, 0xFFFF, kStatic, L"Save changes?");
    t.Control(BS_DEFPUSHBUTTON | WS_TABSTOP, 5, 22, 32, 14, IDYES, kButton, L"Yes");
    t.Control(BS_PUSHBUTTON | WS_TABSTOP, 39, 22, 32, 14, IDNO, kButton, L"No");
    t.Control(BS_PUSHBUTTON | WS_TABSTOP, 73, 22, 32, 14, IDCANCEL, kButton, L"Cancel");
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner, PromptProc, 0);
    return answer == IDYES || answer == IDNO ? static_cast<int>(answer) : IDCANCEL;
}

} // namespace sample
