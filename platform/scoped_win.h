// Scoped guards for Win32 pairs: each releases what it holds when it goes out of scope.
//
// None of them can be copied, so no handle is released twice. Declare them in the
// order of acquisition: a device context before the objects selected into it, an
// object before its selection, so that the selection is undone first. Each guard
// accepts a null (failed) handle and then releases nothing.
#pragma once
#include <windows.h>

// GetDC / ReleaseDC. A null window gives the whole screen's context.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScopedGetDC() { if (dc_) ReleaseDC(window_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC get() const { return dc_; }
private:
    HWND window_;
    HDC dc_;
};

// CreateCompatibleDC / DeleteDC. A null reference gives no context (not the screen's).
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC reference) : dc_(reference ? CreateCompatibleDC(reference) : nullptr) {}
    // None yet: Create makes it when it is first needed.
    ScopedMemoryDC() : dc_(nullptr) {}
    // Makes the context unless it is there; whether it is there afterwards.
    bool Create(HDC reference)
    {
        if (!dc_ && reference)
            dc_ = CreateCompatibleDC(reference);
        return dc_ != nullptr;
    }
    ~ScopedMemoryDC() { if (dc_) DeleteDC(dc_); }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    HDC get() const { return dc_; }
private:
    HDC dc_;
};

// SelectObject, and the previous object selected back at the end.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() { if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    // Whether the object is selected now.
    bool ok() const { return previous_ && previous_ != HGDI_ERROR; }
private:
    HDC dc_;
    HGDIOBJ previous_;
};

// DeleteObject for a font, bitmap, pen, brush or region this code created.
template <typename Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle object = nullptr) : object_(object) {}
    ~ScopedGdiObject() { reset(); }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle get() const { return object_; }
    // Hands the object to the caller, who deletes it from now on.
    Handle release() { Handle object = object_; object_ = nullptr; return object; }
    void reset(Handle object = nullptr)
    {
        if (object_ && object_ != object)
            DeleteObject(object_);
        object_ = object;
    }
private:
    Handle object_;
};

using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;

// DestroyIcon for an icon this code loaded or created.
class ScopedIcon {
public:
    explicit ScopedIcon(HICON icon = nullptr) : icon_(icon) {}
    ~ScopedIcon() { if (icon_) DestroyIcon(icon_); }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;
    HICON get() const { return icon_; }
private:
    HICON icon_;
};

// SetTextColor, and the previous colour set back at the end.
class ScopedTextColor {
public:
    ScopedTextColor(HDC dc, COLORREF color) : dc_(dc), previous_(SetTextColor(dc, color)) {}
    ~ScopedTextColor() { if (previous_ != CLR_INVALID) SetTextColor(dc_, previous_); }
    ScopedTextColor(const ScopedTextColor&) = delete;
    ScopedTextColor& operator=(const ScopedTextColor&) = delete;
private:
    HDC dc_;
    COLORREF previous_;
};

// SetBkMode, and the previous mode set back at the end.
class ScopedBkMode {
public:
    ScopedBkMode(HDC dc, int mode) : dc_(dc), previous_(SetBkMode(dc, mode)) {}
    ~ScopedBkMode() { if (previous_) SetBkMode(dc_, previous_); }
    ScopedBkMode(const ScopedBkMode&) = delete;
    ScopedBkMode& operator=(const ScopedBkMode&) = delete;
private:
    HDC dc_;
    int previous_;
};

// RegCloseKey. Pass out() to the open or create call.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() { if (key_) RegCloseKey(key_); }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    HKEY get() const { return key_; }
    // Where an open call stores the key; closes a key held before.
    HKEY* out()
    {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
        return &key_;
    }
private:
    HKEY key_ = nullptr;
};

// FreeLibrary for a module this code loaded.
class ScopedModule {
public:
    explicit ScopedModule(HMODULE module) : module_(module) {}
    ~ScopedModule() { if (module_) FreeLibrary(module_); }
    ScopedModule(const ScopedModule&) = delete;
    ScopedModule& operator=(const ScopedModule&) = delete;
    HMODULE get() const { return module_; }
private:
    HMODULE module_;
};

// CloseHandle for a kernel handle; both null and INVALID_HANDLE_VALUE mean none,
// since the calls that open handles disagree on which one they return on failure.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() { if (valid()) CloseHandle(handle_); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
private:
    HANDLE handle_;
};

// One COM reference, released at the end. Pass out() to the call that gives it.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { if (p_) p_->Release(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }
private:
    T* p_ = nullptr;
};

// A 32-bit bottom-up DIB section of width x height, or 0. The caller deletes it.
inline HBITMAP CreateDibSection32(HDC reference, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    // Bottom-up like the skin images: Wine reports every section's height as positive.
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// An off-screen canvas: a 32-bit DIB section selected into a memory DC compatible
// with reference, for GDI drawing and for writing its pixels directly. Everything
// goes with the canvas; ok() is false when any step failed.
class Canvas {
public:
    Canvas(HDC reference, int width, int height)
        : memory_(reference), bitmap_(CreateDibSection32(reference, width, height)),
          selected_(memory_.get(), bitmap_.get()) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    bool ok() const { return selected_.ok(); }
    HDC dc() const { return memory_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
private:
    ScopedMemoryDC memory_;
    ScopedBitmap bitmap_;
    ScopedSelectObject selected_;
};
