#include "furniture/win/furniture.h"

#include "shell/win/surfaces.h"

namespace furniture {

// Until the strip's pictures are loaded the strip is a plain dark band and
// has no buttons.
void DrawStrip(HDC dc, const RECT& area)
{
    if (area.top >= shell::kStripHeight) return;
    RECT strip = {area.left, 0, area.right, shell::kStripHeight};
    shell::Brush band(CreateSolidBrush(RGB(32, 32, 32)));
    FillRect(dc, &strip, band.get());
}

bool PressButton(int /*x*/, int /*y*/)
{
    return false;
}

void TrackButton(int /*x*/, int /*y*/) {}

void ReleaseButton() {}

}  // namespace furniture
