#include "shell/win/key_frame.h"

#include "core/win/app.h"
#include "core/win/surfaces.h"
#include "platform/win/handles.h"
#include "interaction/key_focus.h"
#include "shell/win/paint_table.h"
#include "table/win/draw_stack.h"

namespace shell {

namespace {

// Dark edges around a bright band: the frame shows on every background,
// on faces and on backs.
constexpr COLORREF kFrameBand = RGB(255, 224, 0);

struct DrawnFrame {
    bool shown = false;
    table::Rect rect;
    bool operator==(const DrawnFrame&) const = default;
};

DrawnFrame& LastDrawn()
{
    static DrawnFrame f;
    return f;
}

DrawnFrame CurrentFrame()
{
    DrawnFrame f;
    f.shown = interaction::FocusFrameRect(core::TheCore(), f.rect);
    return f;
}

RECT ToRECT(const table::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A ring `width` pixels wide just inside r.
void FillRing(HDC dc, const table::Rect& r, int32_t width, HBRUSH brush)
{
    const RECT bars[4] = {
        {r.left, r.top, r.right, r.top + width},
        {r.left, r.bottom - width, r.right, r.bottom},
        {r.left, r.top + width, r.left + width, r.bottom - width},
        {r.right - width, r.top + width, r.right, r.bottom - width},
    };
    for (const RECT& bar : bars) FillRect(dc, &bar, brush);
}

void DrawFrame(HDC dc, const table::Rect& outer, int32_t width)
{
    const int32_t edge = width >= 4 ? width / 4 : 1;
    const HBRUSH dark = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    platform::Brush band(CreateSolidBrush(kFrameBand));
    FillRing(dc, outer, edge, dark);
    if (band && width > 2 * edge) FillRing(dc, table::Inflate(outer, -edge), width - 2 * edge, band.get());
    FillRing(dc, table::Inflate(outer, -(width - edge)), edge, dark);
}

}  // namespace

void DrawKeyFocus(HDC target, const RECT& area)
{
    const core::HostCore& core = core::TheCore();
    const table::Rect a{area.left, area.top, area.right, area.bottom};
    const DrawnFrame frame = CurrentFrame();
    if (frame.shown && table::Meet(frame.rect, a))
        DrawFrame(target, frame.rect, interaction::FocusFrameWidth(core.view));
    if (const CardStack* held = interaction::HeldCards(core))
        if (table::Meet(table::StackRect(*held, core.view), a)) table::DrawStack(target, core::MainPictureSurface(), *held, core.drawing());
}

void RedrawMovedKeyFocus(HDC target)
{
    const DrawnFrame now = CurrentFrame();
    DrawnFrame& last = LastDrawn();
    if (now == last) return;
    if (last.shown) RedrawArea(target, ToRECT(last.rect));
    if (now.shown) RedrawArea(target, ToRECT(now.rect));
    last = now;
}

}  // namespace shell
