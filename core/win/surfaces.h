// The main window's drawing surfaces: the back buffer every paint copies
// from, the scratch context pictures pass through, and the host palette.
#pragma once

#include <windows.h>

#include "platform/win/handles.h"
#include "platform/win/picture_surface.h"

namespace core {

struct Surfaces {
    platform::MemoryDC backDC;     // holds the back buffer while painting
    platform::Bitmap backBuffer;   // the whole client area, as last painted
    platform::MemoryDC scratchDC;  // pictures are selected here before being copied out
    platform::Palette palette;     // the host palette, made from the system palette
};

Surfaces& TheSurfaces();
// The main window's scratch context and palette, for drawing pictures.
platform::PictureSurface MainPictureSurface();

}  // namespace core
