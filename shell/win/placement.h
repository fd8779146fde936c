// Window sizing and placement.
#pragma once

#include <windows.h>

namespace shell {

struct WindowFit {
    RECT rect;      // the window rectangle, centred in the work area
    bool tooLarge;  // more than a twentieth of the work area had to be cut off
};

// The window rectangle whose client area holds a table of this size plus
// the strip above it.
WindowFit WindowRectForTable(int tableWidth, int tableHeight);

// Centres the table below the strip in a client area of this size.
void PlaceTableOrigin(int clientWidth, int clientHeight);

// Shows the window at the end of start-up.
void ApplySavedPlacement(int showCommand);

}  // namespace shell
