// Points and rectangles in client pixels. Right and bottom are exclusive.
#pragma once

#include <cstdint>

namespace table {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

constexpr bool Contains(const Rect& r, Point p)
{
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

// The common part of two rectangles; its width or height may be zero or less.
constexpr Rect Intersection(const Rect& a, const Rect& b)
{
    return Rect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top, a.right < b.right ? a.right : b.right,
                a.bottom < b.bottom ? a.bottom : b.bottom};
}

// Two rectangles meet when their intersection has a positive width and height.
constexpr bool Meet(const Rect& a, const Rect& b)
{
    const Rect i = Intersection(a, b);
    return i.Width() > 0 && i.Height() > 0;
}

constexpr Rect Offset(const Rect& r, int32_t dx, int32_t dy)
{
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Grows by d on every side (shrinks for a negative d).
constexpr Rect Inflate(const Rect& r, int32_t d) { return Rect{r.left - d, r.top - d, r.right + d, r.bottom + d}; }

}  // namespace table
