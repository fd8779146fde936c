#include "table/geometry.h"

namespace table {

namespace {

// Steps from the bottom card to the top one: count - 1, or 0 when empty.
int32_t Steps(const CardStack& s) { return s.count > 0 ? s.count - 1 : 0; }

// Positions come from modules and saved games unchecked. Screen coordinates
// are kept within +-2^29 so no later sum or difference can overflow.
constexpr int64_t kCoordLimit = int64_t{1} << 29;
int32_t Clamp(int64_t v)
{
    return static_cast<int32_t>(v < -kCoordLimit ? -kCoordLimit : v > kCoordLimit ? kCoordLimit : v);
}

// A direction outside 0..9 is laid out as a squared pile.
int16_t Direction(const CardStack& s)
{
    return s.fanDirection >= 0 && s.fanDirection < TS_FAN_DIRECTIONS ? s.fanDirection : int16_t{TS_FAN_SQUARED};
}

}  // namespace

Rect StackRect(const CardStack& s, const TableView& v)
{
    const int64_t x = int64_t{v.origin.x} + s.x;
    const int64_t y = int64_t{v.origin.y} + s.y;
    const int64_t w = v.cards.width, h = v.cards.height;
    const int64_t dx = int64_t{Steps(s)} * v.cards.fanX;
    const int64_t dy = int64_t{Steps(s)} * v.cards.fanY;
    int64_t l = x, t = y, r = x + w, b = y + h;
    switch (Direction(s)) {
    case TS_FAN_LEFT:
    case TS_FAN_LEFT_TOP: l -= dx; break;
    case TS_FAN_RIGHT:
    case TS_FAN_RIGHT_TOP: r += dx; break;
    case TS_FAN_UP:
    case TS_FAN_UP_TOP: t -= dy; break;
    case TS_FAN_DOWN:
    case TS_FAN_DOWN_TOP: b += dy; break;
    default: break;
    }
    return {Clamp(l), Clamp(t), Clamp(r), Clamp(b)};
}

Point FirstCardPos(const CardStack& s, const TableView& v)
{
    const Rect r = StackRect(s, v);
    switch (Direction(s)) {
    case TS_FAN_LEFT:
    case TS_FAN_RIGHT_TOP: return {r.right - v.cards.width, r.top};
    case TS_FAN_UP:
    case TS_FAN_DOWN_TOP: return {r.left, r.bottom - v.cards.height};
    default: return {r.left, r.top};
    }
}

Point CardStep(const CardStack& s, const TableView& v)
{
    switch (Direction(s)) {
    case TS_FAN_LEFT:
    case TS_FAN_RIGHT_TOP: return {-v.cards.fanX, 0};
    case TS_FAN_RIGHT:
    case TS_FAN_LEFT_TOP: return {v.cards.fanX, 0};
    case TS_FAN_UP:
    case TS_FAN_DOWN_TOP: return {0, -v.cards.fanY};
    case TS_FAN_DOWN:
    case TS_FAN_UP_TOP: return {0, v.cards.fanY};
    default: return {0, 0};
    }
}

Point CardPos(const CardStack& s, const TableView& v, int16_t i)
{
    const Point first = FirstCardPos(s, v);
    const Point step = CardStep(s, v);
    return {Clamp(first.x + int64_t{i} * step.x), Clamp(first.y + int64_t{i} * step.y)};
}

Rect CardRect(const CardStack& s, const TableView& v, int16_t i)
{
    const Point p = CardPos(s, v, i);
    const Rect r{p.x, p.y, p.x + v.cards.width, p.y + v.cards.height};
    return s.framed ? Inflate(r, kFrameMargin) : r;
}

Rect PaintedRect(const CardStack& s, const TableView& v)
{
    const Rect r = StackRect(s, v);
    return s.framed ? Inflate(r, kFrameMargin) : r;
}

Rect TopAreaRect(const CardStack& s, const TableView& v)
{
    const int16_t d = Direction(s);
    if (s.count <= 0 || (d >= TS_FAN_LEFT_TOP && d <= TS_FAN_DOWN_TOP)) return StackRect(s, v);
    return CardRect(s, v, static_cast<int16_t>(s.count - 1));
}

Hit HitTest(const StackTable& t, const TableView& v, Point p)
{
    Hit empty;
    for (int16_t i = static_cast<int16_t>(t.count - 1); i >= 0; --i) {
        const CardStack& s = *t[i];
        if (!Contains(StackRect(s, v), p)) continue;
        if (s.count > 0) {
            // CardRect of each card, with the stack's layout worked out once.
            const Point first = FirstCardPos(s, v);
            const Point step = CardStep(s, v);
            const int32_t margin = s.framed ? kFrameMargin : 0;
            for (int16_t j = static_cast<int16_t>(s.count - 1); j >= 0; --j) {
                const int32_t x = Clamp(first.x + int64_t{j} * step.x);
                const int32_t y = Clamp(first.y + int64_t{j} * step.y);
                const Rect card{x - margin, y - margin, x + v.cards.width + margin, y + v.cards.height + margin};
                if (Contains(card, p)) return Hit{true, i, j};
            }
        } else if (!empty.found) {
            empty = Hit{true, i, -1};
        }
    }
    return empty;
}

int16_t RankDropTargets(const StackTable& t, const TableView& v, const Rect& r, DropTargets& out)
{
    out.count = 0;
    for (int16_t i = 0; i < t.count && i < kMaxStacks; ++i) {
        const Rect meet = Intersection(StackRect(*t[i], v), r);
        if (meet.Width() <= 0 || meet.Height() <= 0) continue;
        const int64_t area = static_cast<int64_t>(meet.Width()) * meet.Height();
        // Stable insertion: move ahead only past strictly smaller areas.
        int16_t k = out.count++;
        while (k > 0 && out.area[static_cast<size_t>(k - 1)] < area) {
            out.stack[static_cast<size_t>(k)] = out.stack[static_cast<size_t>(k - 1)];
            out.area[static_cast<size_t>(k)] = out.area[static_cast<size_t>(k - 1)];
            --k;
        }
        out.stack[static_cast<size_t>(k)] = i;
        out.area[static_cast<size_t>(k)] = area;
    }
    return out.count;
}

}  // namespace table
