#include "shell/win/paint_table.h"

#include "core/win/app.h"
#include "core/win/handles.h"
#include "core/win/surfaces.h"
#include "furniture/win/furniture.h"
#include "shell/win/key_frame.h"
#include "table/win/draw_stack.h"

namespace shell {

namespace {

// The area to rebuild: everything after a layout change, else what the
// platform asks for.
RECT AreaToRedraw(const RECT& asked, const RECT& client, bool fullRepaint)
{
    if (fullRepaint || IsRectEmpty(&asked)) return client;
    return asked;
}

}  // namespace

void RedrawArea(HDC target, const RECT& area)
{
    core::Region clip(CreateRectRgnIndirect(&area));
    SelectClipRgn(target, clip.get());
    furniture::DrawBackground(target, area);
    const core::HostCore& core = core::TheCore();
    table::DrawStacksInRect(target, core.table.live(), core.drawing(),
                            table::Rect{area.left, area.top, area.right, area.bottom});
    DrawKeyFocus(target, area);
    furniture::DrawStrip(target, area);
    SelectClipRgn(target, nullptr);
}

void PaintTable(HWND window)
{
    core::Surfaces& s = core::TheSurfaces();
    core::PaintFlags& flags = core::TheCore().paint;
    RECT client;
    GetClientRect(window, &client);
    core::PaintDC windowDC(window);

    const bool buffered = s.backBuffer && s.backDC;
    HDC target = buffered ? s.backDC.get() : windowDC.get();
    core::SelectionScope backBuffer(target, buffered ? s.backBuffer.get() : nullptr);

    if (!buffered || flags.tableDirty || flags.fullRepaint) {
        RedrawArea(target, AreaToRedraw(windowDC.area(), client, flags.fullRepaint));
        RedrawMovedKeyFocus(target);
        flags.tableDirty = false;
        flags.fullRepaint = false;
    }
    if (buffered) BitBlt(windowDC.get(), 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
}

}  // namespace shell
