#include "table/win/paint_table.h"

#include "table/win/draw_stack.h"

#include "furniture/win/furniture.h"
#include "shell/win/gdi_owner.h"
#include "shell/win/host.h"
#include "shell/win/surfaces.h"

namespace table {

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
    shell::GdiObject<HRGN> clip(CreateRectRgnIndirect(&area));
    SelectClipRgn(target, clip.get());
    furniture::DrawBackground(target, area);
    DrawStacksInRect(target, Rect{area.left, area.top, area.right, area.bottom});
    furniture::DrawStrip(target, area);
    SelectClipRgn(target, nullptr);
}

void PaintTable(HWND window)
{
    shell::Surfaces& s = shell::TheSurfaces();
    modules::PaintFlags& flags = shell::TheCore().paint;
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

}  // namespace table
