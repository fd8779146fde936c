#include "furniture/win/furniture.h"

#include "shell/win/app.h"
#include "shell/win/surfaces.h"

namespace furniture {

// The bitmaps and sounds arrive with the bitmap loader; until then the
// program runs without them, as it does when a resource is missing.
bool LoadFurniture()
{
    return true;
}

void ReleaseFurniture() {}

void PlayHostSound(interaction::Sound, interaction::SoundMode) {}

void OnPaletteChanged(HWND window)
{
    shell::Surfaces& s = shell::TheSurfaces();
    if (!s.palette) return;
    shell::WindowDC dc(window);
    HPALETTE old = SelectPalette(dc.get(), s.palette.get(), FALSE);
    if (RealizePalette(dc.get()) != 0) InvalidateRect(window, nullptr, TRUE);
    SelectPalette(dc.get(), old, FALSE);
}

}  // namespace furniture
