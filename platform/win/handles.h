// Owners of the Win32 handles the program holds (GDI objects, drawing
// contexts, selections, loaded libraries, registry keys): each handle has
// exactly one owner, which releases it, and every object selected into a
// context is selected out again by the guard that selected it.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

// Owns a GDI object (bitmap, brush, pen, palette, font, region).
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : handle_(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~GdiObject() { reset(); }

    void reset(Handle h = nullptr)
    {
        if (handle_) DeleteObject(handle_);
        handle_ = h;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Palette = GdiObject<HPALETTE>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// Owns a memory drawing context made with CreateCompatibleDC.
class MemoryDC {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC dc) : dc_(dc) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { reset(); }

    void reset(HDC dc = nullptr)
    {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
};

// A window's or the screen's drawing context for one scope. Painting in
// answer to WM_PAINT uses PaintDC instead.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Owns a library loaded with LoadLibrary.
class Library {
public:
    Library() = default;
    explicit Library(HMODULE module) : module_(module) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    Library(Library&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    Library& operator=(Library&& other) noexcept
    {
        if (this != &other) reset(std::exchange(other.module_, nullptr));
        return *this;
    }
    ~Library() { reset(); }

    void reset(HMODULE module = nullptr)
    {
        if (module_) FreeLibrary(module_);
        module_ = module;
    }
    HMODULE get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }

private:
    HMODULE module_ = nullptr;
};

// Owns an open registry key; get() is null when none could be opened.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key_) RegCloseKey(key_);
    }
    // For RegCreateKey and RegOpenKey to fill.
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The drawing context BeginPaint gives for one WM_PAINT, ended with EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects objects into a context for one scope and puts back what the
// context held before. Select may select further objects of the same kind
// in turn (pictures copied one after another through one context); the
// object the context held before the first is the one put back. A null
// object selects nothing.
class SelectionScope {
public:
    explicit SelectionScope(HDC dc) : dc_(dc) {}
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc) { Select(object); }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;
    ~SelectionScope()
    {
        if (old_) SelectObject(dc_, old_);
    }

    void Select(HGDIOBJ object)
    {
        if (!object) return;
        HGDIOBJ previous = SelectObject(dc_, object);
        if (!old_) old_ = previous;
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

// Selects a palette into a context for one scope and puts the old one back.
class PaletteScope {
public:
    PaletteScope(HDC dc, HPALETTE palette) : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {}
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;
    ~PaletteScope()
    {
        if (old_) SelectPalette(dc_, old_, FALSE);
    }

private:
    HDC dc_;
    HPALETTE old_;
};

// An off-screen picture that outlives a scope: a memory context holding a
// bitmap of its own. Releasing it selects the bitmap out, then deletes both.
class OffscreenPicture {
public:
    OffscreenPicture() = default;
    OffscreenPicture(const OffscreenPicture&) = delete;
    OffscreenPicture& operator=(const OffscreenPicture&) = delete;
    ~OffscreenPicture() { Release(); }

    // A picture of this size compatible with `dc`; false, with nothing
    // held, when the context or the bitmap cannot be made.
    bool Make(HDC dc, int width, int height)
    {
        Release();
        dc_.reset(CreateCompatibleDC(dc));
        bitmap_.reset(CreateCompatibleBitmap(dc, width, height));
        if (!dc_ || !bitmap_) {
            Release();
            return false;
        }
        old_ = SelectObject(dc_.get(), bitmap_.get());
        return true;
    }
    void Release()
    {
        if (old_) SelectObject(dc_.get(), old_);
        old_ = nullptr;
        bitmap_.reset();
        dc_.reset();
    }
    HDC dc() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }

private:
    MemoryDC dc_;
    Bitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace platform
