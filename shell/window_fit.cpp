#include "shell/window_fit.h"

namespace shell {

Extent TableExtent(int32_t smallWidth, int32_t smallHeight, table::CardSize size)
{
    return {table::ToCardSize(smallWidth, size), table::ToCardSize(smallHeight, size)};
}

table::Rect ClientRectForTable(int32_t tableWidth, int32_t tableHeight)
{
    const int16_t w = static_cast<int16_t>(tableWidth);
    const int16_t h = static_cast<int16_t>(tableHeight);
    return {0, 0, w, h + kStripHeight};
}

WindowFit WindowRectForTable(const table::Rect& workArea, const table::Rect& adjusted)
{
    const int32_t wa = static_cast<int16_t>(workArea.Width());
    const int32_t ha = static_cast<int16_t>(workArea.Height());
    int32_t w = static_cast<int16_t>(adjusted.Width());
    int32_t h = static_cast<int16_t>(adjusted.Height());
    WindowFit fit;
    if (w > wa) {
        const int32_t excess = w - wa;
        w = wa;
        fit.tooLarge = excess * 20 > wa;
    }
    if (h > ha) {
        const int32_t excess = h - ha;
        h = ha;
        if (!fit.tooLarge) fit.tooLarge = excess * 20 > ha;
    }
    const int32_t left = workArea.left + (wa - w) / 2;
    const int32_t top = workArea.top + (ha - h) / 2;
    fit.window = {left, top, left + w, top + h};
    return fit;
}

bool WarnTableTooLarge(const WindowFit& fit, table::CardSize size, bool displayWarned)
{
    return fit.tooLarge && size == table::CardSize::Large && !displayWarned;
}

table::Point PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight, const Extent& t)
{
    // The table's size comes from its module unchecked: worked out in 64
    // bits, the origin stays within the client area whatever it is.
    auto within = [](int64_t v, int32_t most) { return static_cast<int32_t>(v < 0 ? 0 : v > most ? most : v); };
    const int64_t x = (int64_t{clientWidth} - t.width) / 2;
    const int64_t y = (int64_t{clientHeight} - t.height - kStripHeight) / 2 + kStripHeight;
    return {within(x, clientWidth < 0 ? 0 : clientWidth), within(y, clientHeight < 0 ? 0 : clientHeight)};
}

table::Point CentreOnDesktop(const table::Rect& d, const table::Rect& w)
{
    return {d.left + (d.Width() - w.Width()) / 2, d.top + (d.Height() - w.Height()) / 2};
}

}  // namespace shell
