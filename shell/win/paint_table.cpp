#include "shell/win/paint_table.h"

#include "core/win/app.h"
#include "platform/win/handles.h"
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
    platform::Region clip(CreateRectRgnIndirect(&area));
    SelectClipRgn(target, clip.get());
    const core::HostCore& core = core::TheCore();
    const platform::PictureSurface surface = core::MainPictureSurface();
    furniture::DrawBackground(target, area, core.state.background, surface);
    table::DrawStacksInRect(target, surface, core.table.live(), core.drawing(),
                            table::Rect{area.left, area.top, area.right, area.bottom});
    DrawKeyFocus(target, area);
    furniture::DrawStrip(target, area, {core.state.scoreText, core.state.messageText, core.clientWidth}, surface);
    SelectClipRgn(target, nullptr);
}

void PaintTable(HWND window)
{
    core::Surfaces& s = core::TheSurfaces();
    core::PaintFlags& flags = core::TheCore().paint;
    RECT client;
    GetClientRect(window, &client);
    platform::PaintDC windowDC(window);

    const bool buffered = s.backBuffer && s.backDC;
    HDC target = buffered ? s.backDC.get() : windowDC.get();
    platform::SelectionScope backBuffer(target, buffered ? s.backBuffer.get() : nullptr);

    if (!buffered || flags.tableDirty || flags.fullRepaint) {
        RedrawArea(target, AreaToRedraw(windowDC.area(), client, flags.fullRepaint));
        RedrawMovedKeyFocus(target);
        flags.tableDirty = false;
        flags.fullRepaint = false;
    }
    if (buffered) BitBlt(windowDC.get(), 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
}

}  // namespace shell
