// Window sizing and placement.
#pragma once

#include <windows.h>

#include "core/table_extent.h"
#include "shell/window_fit.h"

namespace shell {

// The window rectangle whose client area holds a table of this size (in
// pixels of the card size in use) plus the strip above it.
WindowFit WindowRectForTable(int32_t tableWidth, int32_t tableHeight);

// Sizes the window for a table of this size (pixels of the card size in
// use), warns once when large cards make it much too big, and returns the
// size of the client area the window got. Reads nothing of the core.
core::Extent FitWindowToTable(int32_t tableWidth, int32_t tableHeight, table::CardSize size);
// Before large cards are loaded: warns when the display is smaller than
// 960 x 720, and keeps the table-size warning of the next fit quiet.
void WarnAboutSmallDisplay();

// Shows the window at the end of start-up.
void ApplySavedPlacement(int showCommand);

}  // namespace shell
