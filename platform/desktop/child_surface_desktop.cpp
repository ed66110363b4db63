// A stand-in surface for child windows of other processes' windows (Wine draws none).
// On the device: nothing takes its place; its window manager draws the bar as the
// taskbar's child itself, so PresentChildWindow there is an empty function.
#include "platform/child_surface.h"
#include "platform/scoped_win.h"
#include <commctrl.h>

namespace {

constexpr wchar_t kSurfaceClass[] = L"ChildWindowSurface";
constexpr wchar_t kSurfaceProperty[] = L"ChildWindowSurface";

struct Surface {
    HWND child;
    ScopedBitmap picture;
    int width;
    int height;
};

Surface* SurfaceOf(HWND window)
{
    return reinterpret_cast<Surface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void OnSurfacePaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    Surface* surface = SurfaceOf(window);
    if (surface && surface->picture.get()) {
        ScopedMemoryDC memory(dc);
        ScopedSelectObject picture(memory.get(), surface->picture.get());
        BitBlt(dc, 0, 0, surface->width, surface->height, memory.get(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

// The surface lives as long as its child and is shown only while the child is. It
// learns of both from the child's own messages (a subclass), so an idle bar costs
// nothing here; a polling timer woke the bar ten times a second.
LRESULT CALLBACK FollowChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    HWND window = reinterpret_cast<HWND>(data);
    if (message == WM_WINDOWPOSCHANGED && IsWindow(window)) {
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        if (flags & SWP_SHOWWINDOW)
            ShowWindow(window, SW_SHOWNOACTIVATE);
        else if (flags & SWP_HIDEWINDOW)
            ShowWindow(window, SW_HIDE);
    } else if (message == WM_DESTROY) {
        RemoveWindowSubclass(child, FollowChild, 0);
        if (IsWindow(window))
            DestroyWindow(window);
    }
    return DefSubclassProc(child, message, wParam, lParam);
}

LRESULT CALLBACK SurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnSurfacePaint(window);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        if (Surface* surface = SurfaceOf(window))
            PostMessageW(surface->child, message, wParam, lParam);
        return 0;
    case WM_NCDESTROY:
        if (Surface* surface = SurfaceOf(window)) {
            if (IsWindow(surface->child))
                RemovePropW(surface->child, kSurfaceProperty);
            delete surface;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool ParentInOtherProcess(HWND child)
{
    HWND parent = GetParent(child);
    if (!parent)
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(parent, &process);
    return process != GetCurrentProcessId();
}

HWND CreateSurface(HWND child)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = SurfaceProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kSurfaceClass;
    RegisterClassW(&windowClass);   // fails harmlessly when already registered
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kSurfaceClass, L"",
                                  WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    Surface* surface = new Surface{child, ScopedBitmap(), 0, 0};
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(surface));
    SetPropW(child, kSurfaceProperty, window);
    SetWindowSubclass(child, FollowChild, 0, reinterpret_cast<DWORD_PTR>(window));
    return window;
}

// The surface stands just above the child's top-level window, as the child itself
// would. Raising it to the very top on every paint put the bar over windows that
// stand over the taskbar (the dark panel of a screen turned off). Null: it is there.
HWND InsertAfterFor(HWND root, HWND surface)
{
    HWND above = GetWindow(root, GW_HWNDPREV);
    if (above == surface)
        return nullptr;
    return above ? above : HWND_TOPMOST;
}

} // namespace

void PresentChildWindow(HWND child, HDC source, int width, int height)
{
    if (width <= 0 || height <= 0 || !ParentInOtherProcess(child))
        return;
    HWND window = static_cast<HWND>(GetPropW(child, kSurfaceProperty));
    if (!window || !IsWindow(window))
        window = CreateSurface(child);
    Surface* surface = window ? SurfaceOf(window) : nullptr;
    if (!surface)
        return;

    if (!surface->picture.get() || surface->width != width || surface->height != height) {
        surface->picture.reset(CreateCompatibleBitmap(source, width, height));
        surface->width = width;
        surface->height = height;
    }
    {
        ScopedMemoryDC memory(source);
        ScopedSelectObject picture(memory.get(), surface->picture.get());
        BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }

    POINT origin = {0, 0};
    ClientToScreen(child, &origin);
    const HWND after = InsertAfterFor(GetAncestor(child, GA_ROOT), window);
    SetWindowPos(window, after, origin.x, origin.y, width, height,
                 SWP_NOACTIVATE | (after ? 0 : SWP_NOZORDER) | (IsWindowVisible(child) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}
