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

}  // namespace shell
