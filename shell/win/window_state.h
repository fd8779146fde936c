// What the main window keeps between its messages.
#pragma once

#include <windows.h>

namespace shell {

struct WindowState {
    bool buttonTracking = false;  // a left press on a strip button is followed
    bool displayWarned = false;   // the large-card warning was just shown
};

WindowState& TheWindowState();

// Creation and resize handlers of the main window.
void CreateSurfaces(HWND window);
void ResizeBackBuffer(HWND window, int clientWidth, int clientHeight);
void ReleaseSurfaces();
// Another window changed the system palette: the host palette is realised
// again, and the window repainted when its colours moved.
void RealizeHostPalette(HWND window);

}  // namespace shell
