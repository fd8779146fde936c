// The host's own pictures: the strip's, loaded at start-up, and the tiles
// and thumbnails, loaded when first drawn. Owned here; the drawing code of
// the furniture reads them.
#pragma once

#include <windows.h>

#include <array>

#include "platform/win/handles.h"
#include "platform/win/picture_surface.h"

namespace furniture {

constexpr int kBackgrounds = 6;
constexpr int kCardSetThumbnails = 4;

// A picture and the size the bitmap has.
struct Picture {
    platform::Bitmap bitmap;
    int width = 0;
    int height = 0;

    explicit operator bool() const { return static_cast<bool>(bitmap); }
    void reset(platform::Bitmap b = {});
};

struct FurnitureStore {
    std::array<Picture, kBackgrounds> tiles;  // each loaded when first drawn (BackgroundTile)
    std::array<bool, kBackgrounds> tilesLookedFor{};
    // Each loaded when its menu item is first drawn (Thumbnail).
    std::array<Picture, kBackgrounds> backgroundThumbnails;
    std::array<Picture, kCardSetThumbnails> cardSetThumbnails;
    std::array<bool, kBackgrounds + kCardSetThumbnails> thumbnailsLookedFor{};
    Picture upButtons;
    Picture downButtons;
    Picture messageArea;
    Picture scoreArea;
};

FurnitureStore& TheFurniture();
// The background tile n, loaded when first asked for: only the chosen
// background is drawn, and the others may never be. Absent when missing.
const Picture& BackgroundTile(int n, const platform::PictureSurface& surface);
// The thumbnail of a Backgrounds or Card sets menu item, by its command,
// loaded when first asked for; null for another command.
const Picture* Thumbnail(int command, const platform::PictureSurface& surface);

// Copies a w x h block from the picture's top-left corner to (x, y).
void CopyPicture(HDC dc, const platform::PictureSurface& surface, const Picture& p, int x, int y, int w, int h,
                 int fromX = 0);

}  // namespace furniture
