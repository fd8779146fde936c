#include "table/win/dib_bitmap.h"

#include <cstdint>

#include "table/dib_layout.h"

namespace table {

HBITMAP LoadDibBitmap(HMODULE module, LPCSTR name, HWND window, HPALETTE palette)
{
    HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return nullptr;
    const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    const DibLayout layout = ReadDibLayout(data, data ? SizeofResource(module, found) : 0);
    HBITMAP bitmap = nullptr;
    if (layout.valid) {
        HDC dc = GetDC(window);
        HPALETTE oldPalette = nullptr;
        if (palette) {
            oldPalette = SelectPalette(dc, palette, FALSE);
            RealizePalette(dc);
        }
        const auto* info = reinterpret_cast<const BITMAPINFO*>(data);
        bitmap = CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, data + layout.bitsOffset, info, DIB_RGB_COLORS);
        if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
        ReleaseDC(window, dc);
    }
    FreeResource(loaded);
    return bitmap;
}

}  // namespace table
