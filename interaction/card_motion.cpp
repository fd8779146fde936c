#include "interaction/card_motion.h"

#include <cstdlib>
#include <cstring>

namespace interaction {

int SlideFrameCount(int32_t dx, int32_t dy, table::CardSize size)
{
    const int64_t distance = std::llabs(static_cast<int64_t>(dx)) + std::llabs(static_cast<int64_t>(dy));
    int64_t k = distance / 80;
    if (size == table::CardSize::Large) k = k * 2 / 3;
    if (k < kMinSlideFrames) return kMinSlideFrames;
    if (k > kMaxSlideFrames) return kMaxSlideFrames;
    return static_cast<int>(k);
}

table::Point SlideFramePos(table::Point start, int32_t dx, int32_t dy, int i, int frames)
{
    return {start.x + static_cast<int32_t>(static_cast<int64_t>(dx) * i / frames),
            start.y + static_cast<int32_t>(static_cast<int64_t>(dy) * i / frames)};
}

table::Rect TopCardPlace(const CardStack& stack, const table::TableView& view, int16_t below)
{
    CardStack header;
    std::memcpy(&header, &stack, sizeof header);
    header.count = static_cast<int16_t>(below + 1);
    header.framed = 0;  // the card's own corners, without the frame margin
    return table::CardRect(header, view, below);
}

void SlideCardImage(core::HostCore& core, const CardStack& source, const CardStack& destination, int16_t image,
                    bool faceDown)
{
    const table::Rect start = TopCardPlace(source, core.view, source.count);
    const table::Rect end = TopCardPlace(destination, core.view, destination.count);
    const int32_t dx = end.left - start.left;
    const int32_t dy = end.top - start.top;
    const int frames = SlideFrameCount(dx, dy, core.cardSize());

    core::HostSeam& seam = core.seam;
    const table::CardDrawing drawing = core.drawing();
    uint32_t t = seam.TickCount();
    for (int i = 1; i <= frames; ++i) {
        t = seam.WaitForTick(t, kFrameMilliseconds);
        seam.RepaintNow();
        const table::Point p = SlideFramePos({start.left, start.top}, dx, dy, i, frames);
        seam.DrawCardOnWindow(image, faceDown, p, drawing);
        seam.Invalidate({p.x, p.y, p.x + core.view.cards.width, p.y + core.view.cards.height}, false);
    }
}

void DiscardTable(core::HostCore& core)
{
    core.table.Discard();
    core::DragState& d = core.drag;
    table::FreeStack(d.dragStack);
    d.dragStack = nullptr;
    d.grabbedStack = nullptr;  // its memory is gone; a late move must not use it
    if (d.hasDragImage) {
        core.seam.ReleaseDragImage();
        d.hasDragImage = false;
    }
}

}  // namespace interaction
