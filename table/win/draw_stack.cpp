#include "table/win/draw_stack.h"

#include <cstdint>
#include <cstdio>

#include "table/drawable.h"
#include "table/win/card_images.h"

namespace table {

namespace {

// Copies a picture through the scratch surface at its recorded size.
void Copy(HDC dc, platform::SelectionScope& scratch, const CardPicture& p, int32_t x, int32_t y)
{
    scratch.Select(p.bitmap.get());
    BitBlt(dc, x, y, p.width, p.height, scratch.dc(), 0, 0, SRCCOPY);
}

// A 2-pixel red band starting 1 pixel inside the card's edge.
void DrawMark(HDC dc, Point at, const CardPicture& p)
{
    HBRUSH red = TheCardImages().markBrush.get();
    if (!red) return;
    RECT r{at.x + 1, at.y + 1, at.x + p.width - 1, at.y + p.height - 1};
    FrameRect(dc, &r, red);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, red);
}

// Whether a picture copied at (x, y) would reach the part of the surface
// that drawing may change; pictures wholly outside it are not copied.
bool Visible(const RECT& clip, int32_t x, int32_t y, const CardPicture& p)
{
    return x < clip.right && y < clip.bottom && x + p.width > clip.left && y + p.height > clip.top;
}

const CardPicture* PictureFor(const CardDrawing& drawing, int16_t image, bool faceDown,
                              const platform::PictureSurface& surface)
{
    return faceDown ? CardBack(drawing.backSet, surface) : CardFace(drawing.faces, image, surface);
}

}  // namespace

void DrawStack(HDC dc, const platform::PictureSurface& surface, const CardStack& stack, const CardDrawing& drawing)
{
    const TableView& view = drawing.view;
    // A direction this program does not know draws nothing rather than guess.
    if (!table::DrawableFan(stack.fanDirection)) return;
    if (!surface.scratch) return;
    platform::SelectionScope scratch(surface.scratch);
    const int32_t x = view.origin.x + stack.x;
    const int32_t y = view.origin.y + stack.y;
    RECT clip;
    if (GetClipBox(dc, &clip) == ERROR) clip = RECT{INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2};

    const CardPicture* outline = stack.framed ? CardOutline(surface) : nullptr;
    if (outline && Visible(clip, x - kFrameMargin, y - kFrameMargin, *outline))
        Copy(dc, scratch, *outline, x - kFrameMargin, y - kFrameMargin);
    if (const CardPicture* base = CardBase(stack.baseImage, surface); base && Visible(clip, x, y, *base))
        Copy(dc, scratch, *base, x, y);
    Point p = FirstCardPos(stack, view);
    const Point step = CardStep(stack, view);
    const int16_t count = ReadableCount(stack);
    for (int16_t i = 0; i < count; ++i, p.x += step.x, p.y += step.y) {
        const CardEntry& card = stack.cards[i];
        const CardPicture* picture = PictureFor(drawing, card.image, card.faceDown != 0, surface);
        if (!picture || !Visible(clip, p.x, p.y, *picture)) continue;
        Copy(dc, scratch, *picture, p.x, p.y);
        if (card.mark) DrawMark(dc, p, *picture);
    }
    if (stack.fanDirection == TS_FAN_COUNTED) DrawCountLabel(dc, stack.count, StackRect(stack, view));
}

void DrawCountLabel(HDC dc, int number, const Rect& area)
{
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%d", number);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    const int32_t left = area.left + (area.Width() - size.cx) / 2;
    const int32_t top = area.top + (area.Height() - size.cy) / 2;
    RECT box{left - 2, top, left + size.cx + 2, top + size.cy};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextA(dc, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void DrawStacksInRect(HDC dc, const platform::PictureSurface& surface, const StackTable& stacks,
                      const CardDrawing& drawing, const Rect& area)
{
    for (int i = 0; i < stacks.count; ++i) {
        const CardStack* s = stacks[i];
        if (s && Meet(PaintedRect(*s, drawing.view), area)) DrawStack(dc, surface, *s, drawing);
    }
}

void DrawCardPicture(HDC dc, const platform::PictureSurface& surface, const CardDrawing& drawing, int16_t image,
                     bool faceDown, Point at)
{
    const CardPicture* picture = PictureFor(drawing, image, faceDown, surface);
    if (!picture || !surface.scratch) return;
    platform::SelectionScope scratch(surface.scratch);
    Copy(dc, scratch, *picture, at.x, at.y);
}

}  // namespace table
