#include "shell/win/paint_table.h"

#include "core/win/app.h"
#include "core/win/handles.h"
#include "core/win/surfaces.h"
#include "furniture/win/furniture.h"
#include "table/win/draw_stack.h"

namespace shell {

namespace {

// The area to rebuild: everything after a layout change, else what the
// platform asks for.
RECT AreaToRedraw(const PAINTSTRUCT& ps, const RECT& client, bool fullRepaint)
{
    if (fullRepaint || IsRectEmpty(&ps.rcPaint)) return client;
    return ps.rcPaint;
}

}  // namespace

void RedrawArea(HDC target, const RECT& area)
{
    core::GdiObject<HRGN> clip(CreateRectRgnIndirect(&area));
    SelectClipRgn(target, clip.get());
    furniture::DrawBackground(target, area);
    const core::HostCore& core = core::TheCore();
    table::DrawStacksInRect(target, core.table.live(), core.drawing(),
                            table::Rect{area.left, area.top, area.right, area.bottom});
    furniture::DrawStrip(target, area);
    SelectClipRgn(target, nullptr);
}

void PaintTable(HWND window)
{
    core::Surfaces& s = core::TheSurfaces();
    core::PaintFlags& flags = core::TheCore().paint;
    RECT client;
    GetClientRect(window, &client);
    PAINTSTRUCT ps;
    HDC windowDC = BeginPaint(window, &ps);

    const bool buffered = s.backBuffer && s.backDC;
    HDC target = buffered ? s.backDC.get() : windowDC;
    HGDIOBJ oldBitmap = buffered ? SelectObject(target, s.backBuffer.get()) : nullptr;

    if (!buffered || flags.tableDirty || flags.fullRepaint) {
        RedrawArea(target, AreaToRedraw(ps, client, flags.fullRepaint));
        flags.tableDirty = false;
        flags.fullRepaint = false;
    }
    if (buffered) {
        BitBlt(windowDC, 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
        SelectObject(target, oldBitmap);
    }
    EndPaint(window, &ps);
}

}  // namespace shell
