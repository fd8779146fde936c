// The arithmetic of fitting the main window to a game's table: the window
// rectangle in the work area and centring a dialog on the desktop. Where the
// table lies in the client area is the core's (core/table_extent.h).
#pragma once

#include <cstdint>

#include "furniture/strip_layout.h"
#include "table/card_metrics.h"
#include "table/rect.h"

namespace shell {

// Rows of the client area above the table: buttons, score and message.
using furniture::kStripHeight;

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

// Top-left corner that centres a window on the desktop, keeping its size.
table::Point CentreOnDesktop(const table::Rect& desktop, const table::Rect& window);

}  // namespace shell
