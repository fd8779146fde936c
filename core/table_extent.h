// Where the table lies in the main window's client area: below the strip,
// centred in what is left of the client area, never at a negative position.
#pragma once

#include <cstdint>

#include "table/card_metrics.h"
#include "table/rect.h"

namespace core {

// Rows of the client area above the table: buttons, score and message.
constexpr int32_t kStripHeight = 32;

struct Extent {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Extent&) const = default;
};

// A module's table size (small-card pixels) in pixels of the card size in use.
Extent TableExtent(int32_t smallWidth, int32_t smallHeight, table::CardSize size);

// The client pixel of table point (0, 0): centred below the strip, never
// negative, and within the client area whatever size a module gave its table.
table::Point PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight, const Extent& table);

}  // namespace core
