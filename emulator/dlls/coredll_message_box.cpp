// The device's message box (MessageBoxW of coredll.dll): a "Dialog" as wide as the
// screen allows, its text wrapped to that width, its buttons below, centred on the screen.
#include "emulator/dlls/device_dialog.h"
#include "emulator/lib/message_box_layout.h"
#include "platform/scoped_win.h"
#include <algorithm>
#include <vector>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr wchar_t kDialogClass[] = L"Dialog";   // the handheld's class of system dialogs
constexpr int kTextId = 0xFFFF;                  // the text's static control, as the desktop's box has it

struct Button {
    int id;
    const wchar_t* text;
};

struct Request {
    const wchar_t* text;
    UINT type;
    std::vector<Button> buttons;
};

std::vector<Button> ButtonsFor(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:         return {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, L"Abort"}, {IDRETRY, L"Retry"}, {IDIGNORE, L"Ignore"}};
    case MB_YESNOCANCEL:      return {{IDYES, L"Yes"}, {IDNO, L"No"}, {IDCANCEL, L"Cancel"}};
    case MB_YESNO:            return {{IDYES, L"Yes"}, {IDNO, L"No"}};
    case MB_RETRYCANCEL:      return {{IDRETRY, L"Retry"}, {IDCANCEL, L"Cancel"}};
    default:                  return {{IDOK, L"OK"}};
    }
}

int DefaultButton(const Request& request)
{
    const size_t index = ((request.type & MB_DEFMASK) >> 8) & 0x3;
    return request.buttons[std::min(index, request.buttons.size() - 1)].id;
}

// The text's height when wrapped to width, in the dialog font.
int WrappedTextHeight(HWND dialog, const wchar_t* text, int width)
{
    ScopedGetDC dc(dialog);
    ScopedSelectObject font(dc.get(), devdlg::DialogFont());
    RECT r{0, 0, width, 0};
    if (!dc.get() || !DrawTextW(dc.get(), text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS))
        return 0;
    return r.bottom;
}

// The box's frame, caption and client sized to the screen's width and the text.
void LayOut(HWND dialog, const Request& request)
{
    const int s = devdlg::ScreenScale();
    const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT edges{0, 0, 0, 0};
    AdjustWindowRectEx(&edges, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    const SIZE frame{edges.right - edges.left, edges.bottom - edges.top};
    const int textHeight = WrappedTextHeight(dialog, request.text, MessageBoxTextWidth(screen, s, frame));
    const int count = static_cast<int>(request.buttons.size());
    const MessageBoxLayout l = LayOutMessageBox(screen, s, frame, textHeight, count);
    SetWindowPos(dialog, HWND_TOP, l.window.left, l.window.top, l.window.right - l.window.left,
                 l.window.bottom - l.window.top, 0);
    devdlg::AddControl(dialog, L"STATIC", kTextId, request.text, SS_LEFT | SS_NOPREFIX, l.text);
    const int chosen = DefaultButton(request);
    for (int i = 0; i < count && i < kMessageBoxMaxButtons; ++i) {
        const Button& button = request.buttons[static_cast<size_t>(i)];
        HWND control = devdlg::AddControl(dialog, L"BUTTON", button.id, button.text,
                                          (button.id == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                                          l.buttons[i]);
        if (button.id == chosen)
            SetFocus(control);
    }
}

bool HasButton(const Request& request, int id)
{
    return std::any_of(request.buttons.begin(), request.buttons.end(), [&](const Button& b) { return b.id == id; });
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* request = reinterpret_cast<Request*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        LayOut(dialog, *reinterpret_cast<Request*>(lParam));
        if (reinterpret_cast<Request*>(lParam)->type & (MB_SETFOREGROUND | MB_TOPMOST | MB_SYSTEMMODAL))
            SetForegroundWindow(dialog);
        return FALSE;   // the focus is on the default button
    case WM_COMMAND: {
        if (!request)
            return FALSE;
        const int id = LOWORD(wParam);
        // Escape or closing the box answers Cancel, or OK where OK is all it offers.
        if (id == IDCANCEL && !HasButton(*request, IDCANCEL)) {
            if (request->buttons.size() == 1)
                EndDialog(dialog, request->buttons[0].id);
            return TRUE;
        }
        if (HasButton(*request, id))
            EndDialog(dialog, id);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HINSTANCE Module()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// The handheld's dialogs are of class "Dialog": registered once, a dialog class
// (the dialog manager's procedure and its extra bytes).
bool RegisterDialogClass()
{
    static const bool registered = [] {
        WNDCLASSW wc = {};
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_SAVEBITS;
        wc.lpfnWndProc = DefDlgProcW;
        wc.cbWndExtra = DLGWINDOWEXTRA;
        wc.hInstance = Module();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kDialogClass;
        return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

} // namespace

extern "C" int WINAPI DeviceMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (!RegisterDialogClass())
        return 0;
    Request request{text ? text : L"", type, ButtonsFor(type)};
    const INT_PTR answer = devdlg::RunDialog(owner, caption ? caption : L"Error", MessageBoxProc,
                                             reinterpret_cast<LPARAM>(&request), kDialogClass);
    return answer > 0 ? static_cast<int>(answer) : 0;
}
