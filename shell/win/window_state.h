// What the main window keeps between its messages.
#pragma once

#include <windows.h>

#include "shell/window_fit.h"

namespace shell {

struct WindowState {
    bool buttonTracking = false;  // a left press on a strip button is followed
    Extent tableExtent;           // table size in pixels of the card size in use
    bool displayWarned = false;   // the large-card warning was just shown
};

WindowState& TheWindowState();

// Creation and resize handlers of the main window.
void CreateSurfaces(HWND window);
void ResizeBackBuffer(HWND window, int clientWidth, int clientHeight);
void ReleaseSurfaces();

}  // namespace shell
