// Applying a variant template's control rectangles to a live dialog.
#include "setup/relayout.h"
#include "setup/dialog_template.h"
#include <vector>

namespace {

// The control of window with that template id; ids are words in every template.
HWND FindControl(HWND window, unsigned id)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((static_cast<unsigned>(GetDlgCtrlID(child)) & 0xFFFF) == id)
            return child;
    }
    return nullptr;
}

void KeepSelection(HWND control, ControlKind kind)
{
    if (kind == ControlKind::ListBox)
        SendMessageW(control, LB_SETCURSEL, SendMessageW(control, LB_GETCURSEL, 0, 0), 0);
    else if (kind == ControlKind::ComboBox)
        SendMessageW(control, CB_SETCURSEL, SendMessageW(control, CB_GETCURSEL, 0, 0), 0);
}

} // namespace

int VariantForScreen(const LayoutVariants& variants, int width, int height)
{
    if (width > height)
        return variants.landscape;
    if (width < height)
        return variants.portrait;
    return variants.square;
}

bool RelayoutForScreen(HINSTANCE module, HWND window, int templateId)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));   // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    std::vector<TemplateControl> controls;
    if (!data || !ReadDialogTemplate(data, SizeofResource(module, resource), &controls))
        return false;

    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls.size()));
    for (const TemplateControl& entry : controls) {
        HWND control = FindControl(window, entry.id);
        if (!control || !moves)
            continue;
        // Position and size converted apart, as the dialog manager does when it
        // creates controls, so a relaid page matches one made from the variant.
        RECT place{entry.x, entry.y, entry.cx, entry.cy};
        MapDialogRect(window, &place);
        moves = DeferWindowPos(moves, control, nullptr, place.left, place.top, place.right, place.bottom,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!moves || !EndDeferWindowPos(moves))
        return false;
    for (const TemplateControl& entry : controls) {
        HWND control = FindControl(window, entry.id);
        if (!control)
            continue;
        if (entry.hasText && (entry.kind == ControlKind::Button || entry.kind == ControlKind::Static))
            SetWindowTextW(control, entry.text.c_str());
        KeepSelection(control, entry.kind);
    }
    return true;
}
