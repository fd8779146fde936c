// The strip above the table (three buttons, the score box, the message
// area), the background tiles below it, and the thumbnail menu items.
#pragma once

#include <cstdint>

#include "core/table_extent.h"
#include "table/rect.h"

namespace furniture {

using core::kStripHeight;  // the strip is what lies above the table
constexpr int32_t kButtonWidth = 55;
constexpr int kButtons = 3;
constexpr int32_t kScoreLeft = 165;    // the score box: columns 165..219
constexpr int32_t kMessageLeft = 220;  // the message area: from 220 to the right edge
constexpr int32_t kMessageTileWidth = 130;
constexpr int32_t kThumbnailWidth = 100;
constexpr int32_t kThumbnailItemWidth = 86;
constexpr int32_t kThumbnailItemHeight = 71;

// New Game, Replay Game, Undo.
constexpr int kButtonCommands[kButtons] = {102, 113, 107};

// The button a press at (x, y) lands on, or -1.
int ButtonAt(int32_t x, int32_t y);
// Whether the pointer is on button `index` (the pressed look follows it).
bool OnButton(int index, int32_t x, int32_t y);
table::Rect ButtonRect(int index);

// What of the strip a repaint of `area` redraws.
struct StripParts {
    bool buttons = false;
    bool score = false;
    bool message = false;
};
StripParts StripPartsIn(const table::Rect& area);
table::Rect ScoreTextRect();
table::Rect MessageTextRect(int32_t clientWidth);

// Calls visit(x, y) for every background tile of size w x h that meets the
// area; tiles start at (0, 32), so the pattern is fixed to the window.
template <typename Visit>
void ForEachBackgroundTile(const table::Rect& area, int32_t w, int32_t h, Visit visit)
{
    if (area.bottom <= kStripHeight || w <= 0 || h <= 0) return;
    for (int32_t y = kStripHeight; y < area.bottom; y += h)
        for (int32_t x = 0; x < area.right; x += w)
            if (x + w > area.left && y + h > area.top) visit(x, y);
}

// Calls visit(x) for every message-area tile up to the area's right edge.
template <typename Visit>
void ForEachMessageTile(const table::Rect& area, Visit visit)
{
    for (int32_t x = kMessageLeft; x < area.right; x += kMessageTileWidth) visit(x);
}

// A thumbnail menu item: the part of the 100-pixel thumbnail copied into
// the item rectangle, centred when the item is wider than the thumbnail.
struct ThumbnailCopy {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
ThumbnailCopy ThumbnailCopyFor(const table::Rect& item);

}  // namespace furniture
