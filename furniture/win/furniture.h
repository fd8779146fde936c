// The host's bitmaps and sounds, the background, the strip with its buttons,
// and the picture menus.
#pragma once

#include <windows.h>

#include "core/host_seam.h"

namespace furniture {

// Resources of the executable, loaded at start-up and released at exit.
bool LoadFurniture();
void ReleaseFurniture();
void OnPaletteChanged(HWND window);
// Plays one of the host's sounds from memory; a missing sound is silent.
void PlayHostSound(core::Sound sound, core::SoundMode mode);
// Opens the sound system on a worker thread, so that the first sound does
// not wait for it.
void WarmSounds();

// Background tiles below the strip.
void DrawBackground(HDC dc, const RECT& area);

// The strip: buttons, score box and message area.
void DrawStrip(HDC dc, const RECT& area);
bool PressButton(int x, int y);
void TrackButton(int x, int y);
void ReleaseButton();

// The Backgrounds and Card sets menus.
void BuildPictureMenus();
void MeasureThumbnailItem(MEASUREITEMSTRUCT& item);
void DrawThumbnailItem(const DRAWITEMSTRUCT& item);

}  // namespace furniture
