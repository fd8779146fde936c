// The tiled background below the strip, fixed to the window.
#include "furniture/strip_layout.h"
#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"

namespace furniture {

namespace {

// The colour under the table when the chosen tile is missing, so that no
// stale picture shows through.
constexpr COLORREF kBaize = RGB(0, 96, 48);

const Picture* TileOf(int n, const platform::PictureSurface& surface)
{
    if (n < 0 || n >= kBackgrounds) return nullptr;
    const Picture& tile = BackgroundTile(n, surface);
    return tile && tile.width > 0 && tile.height > 0 ? &tile : nullptr;
}

}  // namespace

void DrawBackground(HDC dc, const RECT& area, int background, const platform::PictureSurface& surface)
{
    const table::Rect a{area.left, area.top, area.right, area.bottom};
    const Picture* tile = surface.scratch ? TileOf(background, surface) : nullptr;
    if (!tile) {
        RECT below = area;
        if (below.top < kStripHeight) below.top = kStripHeight;
        if (below.bottom <= below.top) return;
        const COLORREF old = SetBkColor(dc, kBaize);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &below, nullptr, 0, nullptr);
        SetBkColor(dc, old);
        return;
    }
    HDC scratch = surface.scratch;
    platform::SelectionScope select(scratch, tile->bitmap.get());
    ForEachBackgroundTile(a, tile->width, tile->height, [&](int32_t x, int32_t y) {
        BitBlt(dc, x, y, tile->width, tile->height, scratch, 0, 0, SRCCOPY);
    });
}

}  // namespace furniture
