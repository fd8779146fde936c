// The arithmetic of the host's own dialogs: fitting a dialog to its
// picture, keeping the other controls in place after the fit, centring the
// picture, and the raised frame around the client area.
#pragma once

#include <array>
#include <cstdint>

#include "table/rect.h"

namespace shell {

struct Delta {
    int32_t dx = 0;
    int32_t dy = 0;
    bool operator==(const Delta&) const = default;
};

// How much the picture control (its rectangle in client coordinates) and
// the dialog must grow so the control is exactly as large as the bitmap.
Delta FitToBitmap(int32_t bitmapWidth, int32_t bitmapHeight, const table::Rect& control);

// The dialog's window rectangle after the fit: same corner, new size.
table::Rect ResizedDialog(const table::Rect& dialog, Delta d);

// Where a control goes after the dialog was fitted (rectangles in client
// coordinates; the client width is the resized dialog's). It keeps its place
// relative to the dialog's centre and a margin of 4 pixels on both sides.
table::Rect ShiftedControl(const table::Rect& control, Delta d, int32_t dialogClientWidth);

// Top-left corner that centres a bitmap in a control's client area.
table::Point CentredIn(int32_t controlWidth, int32_t controlHeight, int32_t bitmapWidth, int32_t bitmapHeight);

enum class FrameShade : uint8_t { Light, Dark };
struct FrameFill {
    table::Rect rect;
    FrameShade shade;
};

// The 4-pixel raised bevel inside a client rectangle: four rings, each
// filled top, left (light), right, bottom (dark), from the outside in.
std::array<FrameFill, 16> RaisedFrameFills(const table::Rect& client);

}  // namespace shell
