// The main window's drawing surfaces and repaint flags.
#pragma once

#include <windows.h>

#include "shell/win/gdi_owner.h"
#include "shell/window_fit.h"

namespace shell {

struct Surfaces {
    MemoryDC backDC;      // holds the back buffer while painting
    Bitmap backBuffer;    // the whole client area, as last painted
    MemoryDC scratchDC;   // pictures are selected here before being copied out
    Palette palette;      // the host palette, made from the system palette
    bool buttonTracking = false;  // a left press on a strip button is followed
    Extent tableExtent;           // table size in pixels of the card size in use
    bool displayWarned = false;   // the large-card warning was just shown
};

Surfaces& TheSurfaces();

// Creation and resize handlers of the main window.
void CreateSurfaces(HWND window);
void ResizeBackBuffer(HWND window, int clientWidth, int clientHeight);
void ReleaseSurfaces();

}  // namespace shell
