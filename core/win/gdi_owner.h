// Owners for GDI objects and drawing contexts: each handle has exactly one
// owner, which deletes it.
#pragma once

#include <windows.h>

#include <utility>

namespace core {

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

// A window's or the screen's drawing context for one scope.
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

// Selects an object into a context for one scope and puts the old one back.
class SelectionScope {
public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;
    ~SelectionScope()
    {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace core
