// The host's own pictures and sounds as loaded at start-up. Owned here;
// the drawing code of the furniture reads them.
#pragma once

#include <windows.h>

#include <array>

#include "core/win/handles.h"

namespace furniture {

constexpr int kBackgrounds = 6;
constexpr int kCardSetThumbnails = 4;

// A picture and the size the bitmap has.
struct Picture {
    core::Bitmap bitmap;
    int width = 0;
    int height = 0;

    explicit operator bool() const { return static_cast<bool>(bitmap); }
    void reset(core::Bitmap b = {});
};

struct FurnitureStore {
    std::array<Picture, kBackgrounds> tiles;  // each loaded when first drawn (BackgroundTile)
    std::array<bool, kBackgrounds> tilesLookedFor{};
    std::array<Picture, kBackgrounds> backgroundThumbnails;
    std::array<Picture, kCardSetThumbnails> cardSetThumbnails;
    Picture upButtons;
    Picture downButtons;
    Picture messageArea;
    Picture scoreArea;
};

FurnitureStore& TheFurniture();
// The background tile n, loaded when first asked for: only the chosen
// background is drawn, and the others may never be. Absent when missing.
const Picture& BackgroundTile(int n);

// Copies a w x h block from the picture's top-left corner to (x, y).
void CopyPicture(HDC dc, const Picture& p, int x, int y, int w, int h, int fromX = 0);

}  // namespace furniture
