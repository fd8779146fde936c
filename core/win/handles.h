// Owners of the Win32 handles the program holds (GDI objects, drawing
// contexts, loaded libraries, registry keys): each handle has exactly one
// owner, which releases it.
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
