// Reads of a stack exactly as the program's drawing makes them (DrawStack in
// table/win): the header, then each card up to the readable count, and the
// face map for each face-up card of a drawable image. The recording seam
// makes them at every repaint, so the sanitizers see any read of a stack
// that the program's paint pass would make beyond its memory.
#pragma once

#include <cstdint>

#include "core/host_core.h"
#include "table/drawable.h"
#include "table/geometry.h"

namespace headless {

inline uint32_t ReadAsDrawn(const CardStack& stack, const core::HostCore& core)
{
    if (!table::DrawableFan(stack.fanDirection)) return 0;
    uint32_t seen = stack.framed ? 1u : 0u;
    if (table::DrawableBase(stack.baseImage)) seen += static_cast<uint32_t>(stack.baseImage);
    const table::Point first = table::FirstCardPos(stack, core.view);
    seen += static_cast<uint32_t>(first.x ^ first.y);
    const int16_t count = table::ReadableCount(stack);
    for (int16_t i = 0; i < count; ++i) {
        const CardEntry& card = stack.cards[i];
        seen += card.mark ? 1u : 0u;
        if (card.faceDown)
            seen += static_cast<uint32_t>(core.state.cardSet);
        else if (table::DrawableImage(card.image))
            seen += static_cast<uint32_t>(core.faceMap[static_cast<size_t>(card.image)].index);
    }
    if (stack.fanDirection == TS_FAN_COUNTED) seen += static_cast<uint32_t>(stack.count);
    return seen;
}

// The paint pass: every live stack, in table order.
inline uint32_t ReadTableAsDrawn(const core::HostCore& core)
{
    uint32_t seen = 0;
    const table::StackTable& live = core.table.live();
    for (int i = 0; i < live.count; ++i)
        if (live[i]) seen += ReadAsDrawn(*live[i], core);
    return seen;
}

}  // namespace headless
