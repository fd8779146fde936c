#include "shell/window_fit.h"

namespace shell {

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

table::Point CentreOnDesktop(const table::Rect& d, const table::Rect& w)
{
    return {d.left + (d.Width() - w.Width()) / 2, d.top + (d.Height() - w.Height()) / 2};
}

}  // namespace shell
