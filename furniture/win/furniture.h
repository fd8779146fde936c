// The host's bitmaps and sounds, the background, the strip with its buttons,
// and the picture menus. Pictures are made for the surface's window and
// drawn through its scratch context; the window layer hands both over.
#pragma once

#include <windows.h>

#include "core/host_seam.h"
#include "platform/win/picture_surface.h"

namespace furniture {

// Resources of the executable, loaded at start-up and released at exit.
bool LoadFurniture(const platform::PictureSurface& surface);
void ReleaseFurniture();
// Plays one of the host's sounds from memory; a missing sound is silent.
void PlayHostSound(core::Sound sound, core::SoundMode mode);
// Opens the sound system on a worker thread, so that the first sound does
// not wait for it.
void WarmSounds();

// Tiles of background n (0..5) below the strip; the baize colour for
// another number or a missing tile.
void DrawBackground(HDC dc, const RECT& area, int background, const platform::PictureSurface& surface);

// What the strip shows besides its pictures.
struct StripTexts {
    const char* score = "";
    const char* message = "";
    int clientWidth = 0;  // the message area runs to the window's right edge
};

// The strip: buttons, score box and message area.
void DrawStrip(HDC dc, const RECT& area, const StripTexts& texts, const platform::PictureSurface& surface);
// The buttons under the mouse, drawn straight onto the window. A press on
// a button is true; a release on the pressed button returns its command
// (0 when the mouse left it).
bool PressButton(HWND window, const platform::PictureSurface& surface, int x, int y);
void TrackButton(HWND window, const platform::PictureSurface& surface, int x, int y);
int ReleaseButton(HWND window, const platform::PictureSurface& surface);

// The Backgrounds and Card sets menus of the window's menu bar.
void BuildPictureMenus(HWND window);
void MeasureThumbnailItem(MEASUREITEMSTRUCT& item);
void DrawThumbnailItem(const DRAWITEMSTRUCT& item, const platform::PictureSurface& surface);

}  // namespace furniture
