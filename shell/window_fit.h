// The arithmetic of fitting the main window to a game's table: the window
// rectangle in the work area, the table's origin in the client area, and
// centring a dialog on the desktop.
#pragma once

#include <cstdint>

#include "furniture/strip_layout.h"
#include "table/card_metrics.h"
#include "table/rect.h"

namespace shell {

// Rows of the client area above the table: buttons, score and message.
using furniture::kStripHeight;

struct Extent {
    int32_t width = 0;
    int32_t height = 0;
};

// A module's table size (small-card pixels) in pixels of the card size in use.
Extent TableExtent(int32_t smallWidth, int32_t smallHeight, table::CardSize size);

// The client rectangle the window must have for a table: the table plus the strip.
table::Rect ClientRectForTable(int32_t tableWidth, int32_t tableHeight);

struct WindowFit {
    table::Rect window;
    bool tooLarge = false;  // more than a twentieth of the work area's width or height was cut
};

// The window centred in the work area and never larger than it. `adjusted`
// is ClientRectForTable grown to a window rectangle by the platform.
WindowFit WindowRectForTable(const table::Rect& workArea, const table::Rect& adjusted);

// The warning about a table too large for the screen: large cards only, and
// not right after the card-size switch warned about the display.
bool WarnTableTooLarge(const WindowFit& fit, table::CardSize size, bool displayWarned);

// The client pixel of table point (0, 0): centred below the strip, never
// negative, and within the client area whatever size a module gave its table.
table::Point PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight, const Extent& table);

// Top-left corner that centres a window on the desktop, keeping its size.
table::Point CentreOnDesktop(const table::Rect& desktop, const table::Rect& window);

}  // namespace shell
