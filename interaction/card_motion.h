// Cards that move by themselves: the slide of a card between two stacks,
// and the end of a deal's stacks.
#pragma once

#include <cstdint>

#include "core/host_core.h"

namespace interaction {

constexpr uint32_t kFrameMilliseconds = 17;
constexpr int kMinSlideFrames = 2;
constexpr int kMaxSlideFrames = 8;

// 2 to 8 frames: one per 80 pixels of |dx| + |dy|, two thirds of that for
// large cards.
int SlideFrameCount(int32_t dx, int32_t dy, table::CardSize size);

// Top-left corner of frame i (1..frames): frame `frames` lies on the end.
table::Point SlideFramePos(table::Point start, int32_t dx, int32_t dy, int i, int frames);

// Where a card lies as the top card of a stack with `count` cards below it
// (the place it leaves, or the place it will take), without a frame margin.
table::Rect TopCardPlace(const CardStack& stack, const table::TableView& view, int16_t count);

// Slides a card's picture from the top of source (it has just left) to the
// top of destination (it is about to arrive), frame by frame.
void SlideCardImage(core::HostCore& core, const CardStack& source, const CardStack& destination, int16_t image,
                    bool faceDown);

// Releases every stack and shadow, and the drag stack and drag image if a
// drag or card view left them. The mouse flags stay as they are.
void DiscardTable(core::HostCore& core);

}  // namespace interaction
