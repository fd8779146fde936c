// The main window's drawing surfaces: the back buffer every paint copies
// from, the scratch context pictures pass through, and the host palette.
#pragma once

#include <windows.h>

#include "core/win/handles.h"

namespace core {

struct Surfaces {
    MemoryDC backDC;     // holds the back buffer while painting
    Bitmap backBuffer;   // the whole client area, as last painted
    MemoryDC scratchDC;  // pictures are selected here before being copied out
    Palette palette;     // the host palette, made from the system palette
};

Surfaces& TheSurfaces();

}  // namespace core
