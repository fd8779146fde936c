#include "table/win/dib_bitmap.h"

#include <cstdint>

#include "platform/win/handles.h"
#include "table/dib_layout.h"

namespace table {

platform::Bitmap LoadDibBitmap(HMODULE module, LPCSTR name, HWND window, HPALETTE palette)
{
    HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return {};
    const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    const DibLayout layout = ReadDibLayout(data, data ? SizeofResource(module, found) : 0);
    platform::Bitmap bitmap;
    if (layout.valid) {
        platform::WindowDC dc(window);
        platform::PaletteScope inPalette(dc.get(), palette);
        if (palette) RealizePalette(dc.get());
        const auto* info = reinterpret_cast<const BITMAPINFO*>(data);
        bitmap.reset(
            CreateDIBitmap(dc.get(), &info->bmiHeader, CBM_INIT, data + layout.bitsOffset, info, DIB_RGB_COLORS));
    }
    FreeResource(loaded);
    return bitmap;
}

}  // namespace table
