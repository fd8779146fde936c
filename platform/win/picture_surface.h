// What drawing a picture needs beside the context it draws on: the scratch
// context a picture is selected into on its way there, and the window and
// palette a picture is made a device bitmap for when it is first drawn.
// The window layer that owns them hands them to every drawing call.
#pragma once

#include <windows.h>

namespace platform {

struct PictureSurface {
    HWND window = nullptr;
    HDC scratch = nullptr;
    HPALETTE palette = nullptr;
};

}  // namespace platform
