#include "furniture/win/furniture.h"

#include "shell/win/app.h"
#include "shell/win/surfaces.h"

namespace furniture {

// Until the tiles are loaded the table is plain baize green.
void DrawBackground(HDC dc, const RECT& area)
{
    RECT below = area;
    if (below.top < shell::kStripHeight) below.top = shell::kStripHeight;
    if (below.bottom <= below.top) return;
    shell::Brush baize(CreateSolidBrush(RGB(0, 96, 48)));
    FillRect(dc, &below, baize.get());
}

void SelectBackground(int /*background*/) {}

}  // namespace furniture
