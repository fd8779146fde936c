// Card sizes: the pixel sizes and fan offsets the host uses for each card
// size, and the conversion of positions between the two sizes.
#pragma once

#include <cstdint>

namespace table {

enum class CardSize : int16_t { Small = 0, Large = 1 };

struct CardGeometry {
    int32_t width;
    int32_t height;
    int32_t fanX;
    int32_t fanY;
};

// Faces and backs. Base images have the card size without fan offsets.
constexpr CardGeometry kSmallCards{45, 63, 10, 10};
constexpr CardGeometry kLargeCards{67, 94, 15, 15};

// The outline a framed stack is drawn on: 3 pixels beyond the card's left
// and top edges, 1 pixel beyond its right and bottom edges.
constexpr int32_t kSmallOutlineWidth = 49, kSmallOutlineHeight = 67;
constexpr int32_t kLargeOutlineWidth = 71, kLargeOutlineHeight = 98;

// Card rectangles of a framed stack grow by this much on every side.
constexpr int32_t kFrameMargin = 3;

constexpr const CardGeometry& GeometryFor(CardSize size) { return size == CardSize::Large ? kLargeCards : kSmallCards; }

// Modules speak small-card pixels. Signed, rounding toward zero; the
// intermediate product is 64-bit so no position can overflow.
constexpr int32_t SmallToLarge(int32_t v) { return static_cast<int32_t>(static_cast<int64_t>(v) * 3 / 2); }
constexpr int32_t LargeToSmall(int32_t v) { return static_cast<int32_t>(static_cast<int64_t>(v) * 2 / 3); }
constexpr int32_t ToCardSize(int32_t smallPixels, CardSize size)
{
    return size == CardSize::Large ? SmallToLarge(smallPixels) : smallPixels;
}

}  // namespace table
