#include "shell/dialog_layout.h"

#include <cstddef>

namespace shell {

Delta FitToBitmap(int32_t bitmapWidth, int32_t bitmapHeight, const table::Rect& control)
{
    return {bitmapWidth - control.Width(), bitmapHeight - control.Height()};
}

table::Rect ResizedDialog(const table::Rect& dialog, Delta d)
{
    return {dialog.left, dialog.top, dialog.left + dialog.Width() + d.dx, dialog.top + dialog.Height() + d.dy};
}

table::Rect ShiftedControl(const table::Rect& control, Delta d, int32_t clientWidth)
{
    if (d.dx == 0 && d.dy == 0) return control;
    int32_t width = control.Width();
    int32_t left = control.left + d.dx / 2;
    if (left < 4) {
        width -= 4 - left;
        left = 4;
    }
    if (left + width > clientWidth - 4) width = clientWidth - left - 4;
    const int32_t top = control.top + d.dy;
    return {left, top, left + width, top + control.Height()};
}

table::Point CentredIn(int32_t controlWidth, int32_t controlHeight, int32_t bitmapWidth, int32_t bitmapHeight)
{
    return {(controlWidth - bitmapWidth) / 2, (controlHeight - bitmapHeight) / 2};
}

std::array<FrameFill, 16> RaisedFrameFills(const table::Rect& client)
{
    std::array<FrameFill, 16> fills{};
    table::Rect r = client;
    for (std::size_t ring = 0; ring < 4; ++ring) {
        fills[ring * 4 + 0] = {{r.left, r.top, r.right, r.top + 1}, FrameShade::Light};
        fills[ring * 4 + 1] = {{r.left, r.top, r.left + 1, r.bottom}, FrameShade::Light};
        fills[ring * 4 + 2] = {{r.right - 1, r.top + 1, r.right, r.bottom}, FrameShade::Dark};
        fills[ring * 4 + 3] = {{r.left + 1, r.bottom - 1, r.right, r.bottom}, FrameShade::Dark};
        r = table::Inflate(r, -1);
    }
    return fills;
}

}  // namespace shell
