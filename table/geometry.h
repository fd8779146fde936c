// Where a stack and each of its cards lie on screen, which card is under a
// point, and which stacks a dragged card overlaps. Every query recomputes
// from the stack records; nothing here allocates.
#pragma once

#include <array>
#include <cstdint>

#include "table/card_metrics.h"
#include "table/rect.h"
#include "table/stack_table.h"

namespace table {

// What geometry needs besides the stack: the card size in use and the
// client pixel of table point (0, 0).
struct TableView {
    CardGeometry cards = kSmallCards;
    Point origin{};
};

Rect StackRect(const CardStack& s, const TableView& v);
Point FirstCardPos(const CardStack& s, const TableView& v);
Point CardStep(const CardStack& s, const TableView& v);
Point CardPos(const CardStack& s, const TableView& v, int16_t i);
Rect CardRect(const CardStack& s, const TableView& v, int16_t i);
// The area a stack's drawing covers: its StackRect, with the frame margin
// on every side when it is framed.
Rect PaintedRect(const CardStack& s, const TableView& v);
// What must be repainted after the top card changed.
Rect TopAreaRect(const CardStack& s, const TableView& v);

struct Hit {
    bool found = false;
    int16_t stack = -1;  // index into the live table
    int16_t card = -1;   // -1: an empty stack
};

// The topmost card under the point; failing that, the empty stack with the
// highest index under it.
Hit HitTest(const StackTable& t, const TableView& v, Point p);

struct DropTargets {
    int16_t count = 0;
    std::array<int16_t, kMaxStacks> stack{};
    std::array<int64_t, kMaxStacks> area{};
};

// The stacks whose StackRect meets r, largest overlap first, equal overlaps
// in table order. Returns their number.
int16_t RankDropTargets(const StackTable& t, const TableView& v, const Rect& r, DropTargets& out);

}  // namespace table
