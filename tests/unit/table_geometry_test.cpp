#include <gtest/gtest.h>

#include <climits>

#include "table/geometry.h"

using table::CardTable;
using table::Point;
using table::Rect;
using table::TableView;

namespace {

const TableView kSmall{table::kSmallCards, {0, 32}};

CardStack* Add(CardTable& t, int32_t x, int32_t y, int16_t fan, int16_t count, uint32_t framed = 0)
{
    StackSpec spec{framed, x, y, TS_BASE_NONE, fan, 60, 0};
    CardStack* s = t.Create(spec, table::CardSize::Small);
    for (int16_t i = 0; i < count; ++i) s->cards[s->count++] = CardEntry{0, 0, i, 0};
    return s;
}

}  // namespace

TEST(Geometry, EveryFanDirectionWithThreeSmallCards)
{
    // Anchor (100, 100) in table coordinates: X = 100, Y = 132 on screen.
    struct Case {
        int16_t fan;
        Rect stack;
        Point bottom;  // entry 0
        Point top;     // entry 2
    };
    const Case cases[] = {
        {TS_FAN_LEFT, {80, 132, 145, 195}, {100, 132}, {80, 132}},
        {TS_FAN_RIGHT, {100, 132, 165, 195}, {100, 132}, {120, 132}},
        {TS_FAN_UP, {100, 112, 145, 195}, {100, 132}, {100, 112}},
        {TS_FAN_DOWN, {100, 132, 145, 215}, {100, 132}, {100, 152}},
        {TS_FAN_LEFT_TOP, {80, 132, 145, 195}, {80, 132}, {100, 132}},
        {TS_FAN_RIGHT_TOP, {100, 132, 165, 195}, {120, 132}, {100, 132}},
        {TS_FAN_UP_TOP, {100, 112, 145, 195}, {100, 112}, {100, 132}},
        {TS_FAN_DOWN_TOP, {100, 132, 145, 215}, {100, 152}, {100, 132}},
        {TS_FAN_SQUARED, {100, 132, 145, 195}, {100, 132}, {100, 132}},
        {TS_FAN_COUNTED, {100, 132, 145, 195}, {100, 132}, {100, 132}},
        {-1, {100, 132, 145, 195}, {100, 132}, {100, 132}},  // out of range: a squared pile
        {10, {100, 132, 145, 195}, {100, 132}, {100, 132}},
    };
    for (const Case& c : cases) {
        CardTable t;
        const CardStack& s = *Add(t, 100, 100, c.fan, 3);
        EXPECT_EQ(table::StackRect(s, kSmall), c.stack) << "fan " << c.fan;
        EXPECT_EQ(table::CardPos(s, kSmall, 0), c.bottom) << "fan " << c.fan;
        EXPECT_EQ(table::CardPos(s, kSmall, 2), c.top) << "fan " << c.fan;
        const Point top = c.top;
        EXPECT_EQ(table::CardRect(s, kSmall, 2), (Rect{top.x, top.y, top.x + 45, top.y + 63})) << "fan " << c.fan;
        const bool topAtAnchor = c.fan >= TS_FAN_LEFT_TOP && c.fan <= TS_FAN_DOWN_TOP;
        EXPECT_EQ(table::TopAreaRect(s, kSmall), topAtAnchor ? c.stack : table::CardRect(s, kSmall, 2))
            << "fan " << c.fan;
    }
}

TEST(Geometry, AnEmptyStackCoversOneCardAtItsAnchorInEveryDirection)
{
    for (int16_t fan = 0; fan < TS_FAN_DIRECTIONS; ++fan) {
        CardTable t;
        const CardStack& s = *Add(t, 10, 50, fan, 0);
        EXPECT_EQ(table::StackRect(s, kSmall), (Rect{10, 82, 55, 145})) << "fan " << fan;
        EXPECT_EQ(table::TopAreaRect(s, kSmall), (Rect{10, 82, 55, 145})) << "fan " << fan;
        const table::Hit hit = table::HitTest(t.live(), kSmall, {30, 100});
        EXPECT_TRUE(hit.found);
        EXPECT_EQ(hit.card, -1);
    }
}

TEST(Geometry, DownwardStackOfFiveHitsTheCardWhoseStripIsUnderThePoint)
{
    CardTable t;
    const CardStack& s = *Add(t, 10, 50, TS_FAN_DOWN, 5);
    EXPECT_EQ(table::StackRect(s, kSmall), (Rect{10, 82, 55, 185}));
    EXPECT_EQ(table::CardRect(s, kSmall, 2), (Rect{10, 102, 55, 165}));
    struct Case {
        Point p;
        int16_t card;
    };
    for (const Case c : {Case{{30, 170}, 4}, Case{{30, 100}, 1}, Case{{10, 82}, 0}, Case{{54, 184}, 4},
                         Case{{30, 121}, 3}, Case{{30, 122}, 4}}) {
        const table::Hit hit = table::HitTest(t.live(), kSmall, c.p);
        ASSERT_TRUE(hit.found) << c.p.x << "," << c.p.y;
        EXPECT_EQ(hit.card, c.card) << c.p.x << "," << c.p.y;
    }
    for (const Point miss : {Point{55, 100}, Point{30, 185}, Point{9, 100}, Point{30, 81}})
        EXPECT_FALSE(table::HitTest(t.live(), kSmall, miss).found) << miss.x << "," << miss.y;
}

TEST(Geometry, HitTestTieBreaks)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int32_t, int16_t>> stacks;  // (x, cards), all at y 0, squared
        Point p;
        int16_t stack;
        int16_t card;
    };
    const Case cases[] = {
        {"overlapping cards: the later stack wins", {{0, 1}, {20, 1}}, {30, 40}, 1, 0},
        {"an empty stack drawn later loses to a card", {{0, 1}, {20, 0}}, {30, 40}, 0, 0},
        {"an empty stack drawn earlier loses to a card", {{20, 0}, {0, 1}}, {30, 40}, 1, 0},
        {"among empty stacks the highest index wins", {{0, 0}, {20, 0}, {10, 0}}, {30, 40}, 2, -1},
        {"within a squared pile the top card wins", {{0, 3}}, {5, 40}, 0, 2},
    };
    for (const Case& c : cases) {
        CardTable t;
        for (auto [x, n] : c.stacks) Add(t, x, 0, TS_FAN_SQUARED, n);
        const table::Hit hit = table::HitTest(t.live(), kSmall, c.p);
        ASSERT_TRUE(hit.found) << c.what;
        EXPECT_EQ(hit.stack, c.stack) << c.what;
        EXPECT_EQ(hit.card, c.card) << c.what;
    }
}

TEST(Geometry, AFramedStacksMarginCountsOnlyInsideItsStackRect)
{
    CardTable t;
    const CardStack& s = *Add(t, 100, 100, TS_FAN_DOWN, 2, 1);
    EXPECT_EQ(table::CardRect(s, kSmall, 0), (Rect{97, 129, 148, 198}));
    EXPECT_FALSE(table::HitTest(t.live(), kSmall, {98, 150}).found) << "2 pixels left of the stack";
    // Inside the stack rect, card 1's grown rectangle reaches 3 pixels above its top.
    const table::Hit hit = table::HitTest(t.live(), kSmall, {120, 140});
    EXPECT_EQ(hit.card, 1);
}

// A repaint of only the frame's 3-pixel margin must still redraw the stack,
// or the frame is left half drawn.
TEST(Geometry, AFramedStackIsPaintedOverItsFrameMargin)
{
    CardTable t;
    const CardStack& framed = *Add(t, 100, 100, TS_FAN_DOWN, 2, 1);
    const CardStack& plain = *Add(t, 300, 100, TS_FAN_DOWN, 2, 0);
    EXPECT_EQ(table::PaintedRect(framed, kSmall), (Rect{97, 129, 148, 208}));
    EXPECT_EQ(table::PaintedRect(plain, kSmall), table::StackRect(plain, kSmall));
    const Rect leftMargin{97, 150, 99, 160};
    EXPECT_TRUE(table::Meet(table::PaintedRect(framed, kSmall), leftMargin));
    EXPECT_FALSE(table::Meet(table::StackRect(framed, kSmall), leftMargin)) << "the stack rect alone misses it";
}

TEST(Geometry, DropTargetsRankByOverlapThenByTableOrder)
{
    CardTable t;
    Add(t, 0, 0, TS_FAN_SQUARED, 1);    // 0
    Add(t, 100, 0, TS_FAN_SQUARED, 1);  // 1
    Add(t, 60, 0, TS_FAN_SQUARED, 0);   // 2, between them
    Add(t, 400, 0, TS_FAN_SQUARED, 0);  // 3, far away
    struct Case {
        const char* what;
        Rect r;
        std::vector<int16_t> order;
    };
    const Case cases[] = {
        // Stacks 1 (100..145) and 2 (60..105) each meet x 80..125 over 25 pixels.
        {"equal overlaps keep table order", {80, 32, 125, 95}, {1, 2}},
        {"the larger overlap comes first", {70, 32, 115, 95}, {2, 1}},
        {"the larger overlap comes first whatever its index", {40, 32, 85, 95}, {2, 0}},
        {"touching edges do not meet", {145, 32, 190, 95}, {}},
        {"nothing under the card", {300, 200, 345, 263}, {}},
    };
    for (const Case& c : cases) {
        table::DropTargets out;
        const int16_t n = table::RankDropTargets(t.live(), kSmall, c.r, out);
        ASSERT_EQ(n, static_cast<int16_t>(c.order.size())) << c.what;
        for (int16_t i = 0; i < n; ++i)
            EXPECT_EQ(out.stack[static_cast<size_t>(i)], c.order[static_cast<size_t>(i)]) << c.what;
    }
}

TEST(Geometry, PositionsFromAnUntrustedFileCannotOverflow)
{
    // Under UndefinedBehaviorSanitizer any signed overflow here aborts the test.
    CardTable t;
    const int32_t extremes[] = {INT32_MAX, INT32_MIN, INT32_MAX - 20, INT32_MIN + 5};
    for (int32_t x : extremes)
        for (int16_t fan = 0; fan < TS_FAN_DIRECTIONS; ++fan) {
            CardStack* s = Add(t, x, x / 2, fan, 60);
            s->count = 32767;  // a count no capacity backs: geometry only reads the header
            const Rect r = table::StackRect(*s, kSmall);
            EXPECT_LE(r.left, r.right);
            EXPECT_LE(r.top, r.bottom);
            EXPECT_LE(r.right, 1 << 29);
            EXPECT_GE(r.left, -(1 << 29));
            table::CardRect(*s, kSmall, 32766);
            table::TopAreaRect(*s, kSmall);
            if (t.count() == table::kMaxStacks) break;
        }
    table::DropTargets out;
    table::RankDropTargets(t.live(), kSmall, {INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2}, out);
    EXPECT_EQ(out.count, 0) << "stacks beyond the limit collapse to no area";
    table::HitTest(t.live(), kSmall, {1 << 29, 1 << 29});
}
