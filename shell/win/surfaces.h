// The main window's drawing surfaces and repaint flags.
#pragma once

#include <windows.h>

#include "shell/win/gdi_owner.h"

namespace shell {

struct Surfaces {
    MemoryDC backDC;      // holds the back buffer while painting
    Bitmap backBuffer;    // the whole client area, as last painted
    MemoryDC scratchDC;   // pictures are selected here before being copied out
    Palette palette;      // the host palette, made from the system palette
    bool tableDirty = false;
    bool fullRepaint = false;
    bool buttonTracking = false;
    SIZE tableExtent = {};  // table size in pixels of the card size in use
    POINT tableOrigin = {}; // client pixel of table point (0, 0)
};

Surfaces& TheSurfaces();

// The strip of buttons, score and message above the table.
constexpr int kStripHeight = 32;

// Creation and resize handlers of the main window.
void CreateSurfaces(HWND window);
void ResizeBackBuffer(HWND window, int clientWidth, int clientHeight);
void ReleaseSurfaces();

}  // namespace shell
