// The tiled background below the strip, fixed to the window.
#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "furniture/strip_layout.h"
#include "furniture/win/furniture.h"
#include "furniture/win/resources_store.h"

namespace furniture {

namespace {

// The colour under the table when the chosen tile is missing, so that no
// stale picture shows through.
constexpr COLORREF kBaize = RGB(0, 96, 48);

const Picture* CurrentTile()
{
    const int n = core::TheCore().state.background;
    if (n < 0 || n >= kBackgrounds) return nullptr;
    const Picture& tile = BackgroundTile(n);
    return tile && tile.width > 0 && tile.height > 0 ? &tile : nullptr;
}

}  // namespace

void DrawBackground(HDC dc, const RECT& area)
{
    const table::Rect a{area.left, area.top, area.right, area.bottom};
    const Picture* tile = CurrentTile();
    if (!tile) {
        RECT below = area;
        if (below.top < kStripHeight) below.top = kStripHeight;
        if (below.bottom <= below.top) return;
        const COLORREF old = SetBkColor(dc, kBaize);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &below, nullptr, 0, nullptr);
        SetBkColor(dc, old);
        return;
    }
    HDC scratch = core::TheSurfaces().scratchDC.get();
    core::SelectionScope select(scratch, tile->bitmap.get());
    ForEachBackgroundTile(a, tile->width, tile->height, [&](int32_t x, int32_t y) {
        BitBlt(dc, x, y, tile->width, tile->height, scratch, 0, 0, SRCCOPY);
    });
}

}  // namespace furniture
