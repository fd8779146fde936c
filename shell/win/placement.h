// Window sizing and placement.
#pragma once

#include <windows.h>

#include "shell/window_fit.h"

namespace shell {

// The window rectangle whose client area holds a table of this size (in
// pixels of the card size in use) plus the strip above it.
WindowFit WindowRectForTable(int32_t tableWidth, int32_t tableHeight);

// Centres the table below the strip in a client area of this size.
void PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight);

// Sizes the window for a game's table (small-card pixels), warns once when
// large cards make it much too big, and repaints the whole window.
void FitWindowToTable(int32_t smallWidth, int32_t smallHeight);
// Before large cards are loaded: warns when the display is smaller than
// 960 x 720, and keeps the table-size warning of the next fit quiet.
void WarnAboutSmallDisplay();

// Shows the window at the end of start-up.
void ApplySavedPlacement(int showCommand);

}  // namespace shell
