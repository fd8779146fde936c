#include "interaction/key_focus.h"

#include <algorithm>
#include <cstdlib>

#include "core/module_calls.h"
#include "interaction/dragging.h"
#include "interaction/undo.h"

namespace interaction {

namespace {

// Twice the centre, so that no half pixel is lost.
int64_t Centre2(int32_t low, int32_t high) { return int64_t{low} + high; }

// The gap between two ranges, 0 when they overlap.
int64_t Gap(int32_t lowA, int32_t highA, int32_t lowB, int32_t highB)
{
    if (lowB >= highA) return int64_t{lowB} - highA;
    if (lowA >= highB) return int64_t{lowA} - highB;
    return 0;
}

constexpr int64_t kAcrossAGap = int64_t{1} << 40;

bool Horizontal(Direction d) { return d == Direction::Left || d == Direction::Right; }

bool Inside(const table::Rect& inner, const table::Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A stack whose top card (or empty place) lies wholly under the cards of a
// stack made after it, as the waste under the cards just turned in Draw
// Three: the player sees the later stack there.
bool Hidden(const table::StackTable& stacks, const table::TableView& view, int16_t i)
{
    const CardStack& s = *stacks[i];
    const int16_t count = table::ReadableCount(s);
    const table::Rect place = table::CardRect(s, view, count > 0 ? static_cast<int16_t>(count - 1) : int16_t{0});
    for (int16_t j = static_cast<int16_t>(i + 1); j < stacks.count; ++j)
        if (table::ReadableCount(*stacks[j]) > 0 && Inside(place, table::StackRect(*stacks[j], view))) return true;
    return false;
}

void RedrawArea(core::HostCore& core, bool drawn, const table::Rect& area)
{
    if (drawn) core::InvalidateTable(core, area);
}

// What the keyboard shows on the table, to be redrawn where it was and
// where it is after a change.
struct Shown {
    bool framed = false;
    table::Rect frame;
    bool held = false;
    table::Rect heldRect;
};

Shown WhatIsShown(const core::HostCore& core)
{
    Shown s;
    s.framed = FocusFrameRect(core, s.frame);
    if (const CardStack* held = HeldCards(core)) {
        s.held = true;
        s.heldRect = table::StackRect(*held, core.view);
    }
    return s;
}

void Redraw(core::HostCore& core, const Shown& before)
{
    const Shown after = WhatIsShown(core);
    if (before.framed == after.framed && before.frame == after.frame && before.held == after.held &&
        before.heldRect == after.heldRect)
        return;
    RedrawArea(core, before.framed, before.frame);
    RedrawArea(core, before.held, before.heldRect);
    RedrawArea(core, after.framed, after.frame);
    RedrawArea(core, after.held, after.heldRect);
    core.seam.RepaintNow();
}

bool Holding(const core::HostCore& core)
{
    return core.keys.holding && core.drag.dragging && core.drag.dragStack != nullptr;
}

// A drag the keyboard began that ended elsewhere (Undo, a new deal) leaves
// nothing held; one whose stacks were discarded leaves its flags.
void ForgetEndedHold(core::HostCore& core)
{
    if (!core.keys.holding || Holding(core)) return;
    core.keys.holding = false;
    if (core.drag.dragging && !core.drag.dragStack) core.drag.armed = core.drag.dragging = core.drag.singleCard = false;
}

void PutHeldCardsBack(core::HostCore& core)
{
    if (Holding(core)) CancelDrag(core);
    core.keys.holding = false;
}

// Enter with nothing held: a left press and release on the focused card.
// The cards the module lets a drag take are lifted and held.
void PressAndRelease(core::HostCore& core, const Focus& f)
{
    core::DragState& d = core.drag;
    PressStackCard(core, f.stack, f.card);
    core.keys.card = -1;
    if (!d.armed) return;
    if (!LiftGrabbedCards(core, false)) {
        d.armed = d.singleCard = false;
        return;
    }
    const table::Point lift = HeldCardsLift(core.view);
    d.dragStack->x += lift.x;
    d.dragStack->y += lift.y;
    core.keys.holding = true;
}

void Drop(core::HostCore& core, const Focus& f)
{
    switch (DropHeldCardsOn(core, f.stack)) {
    case DropOutcome::Refused: break;  // still held; the drop's sound said no
    default: core.keys.holding = false; break;
    }
    core.keys.card = -1;
}

// Shift+Enter: what a double-click brings, a press, its release and the
// double-click on the card the press left under the focus.
void DoubleClick(core::HostCore& core, const Focus& pressed)
{
    core::DragState& d = core.drag;
    PutHeldCardsBack(core);
    PressStackCard(core, pressed.stack, pressed.card);
    d.armed = d.singleCard = false;
    const Focus now = CurrentFocus(core);
    core.keys.card = -1;
    if (!now.onTable || core.table[now.stack] != d.grabbedStack) return;
    ArmUndo(core);
    core::CallDoubleClick(core, core.table[now.stack], now.card);
}

bool MoveWithinStack(core::HostCore& core, const Focus& f, int delta)
{
    const CardStack& s = *core.table[f.stack];
    const int16_t lowest = LowestFocusableCard(s, core.view);
    const int16_t top = static_cast<int16_t>(table::ReadableCount(s) - 1);
    const int next = f.card + delta;
    if (f.card < 0 || next < lowest || next > top) return false;
    core.keys.card = next == top ? int16_t{-1} : static_cast<int16_t>(next);
    return true;
}

}  // namespace

int32_t FocusFrameWidth(const table::TableView&) { return kFocusFrameWidth; }

int16_t NearestStack(const table::StackTable& stacks, const table::TableView& view, int16_t from, Direction direction)
{
    if (from < 0 || from >= stacks.count) return -1;
    const table::Rect c = table::StackRect(*stacks[from], view);
    int16_t best = -1;
    int64_t bestScore = 0;
    for (int16_t i = 0; i < stacks.count; ++i) {
        if (i == from) continue;
        const table::Rect r = table::StackRect(*stacks[i], view);
        int64_t along = 0;    // twice the distance of the centres along the way
        int64_t gap = 0;      // across the way, between the two stacks
        int64_t offset = 0;   // across the way, between their first edges
        bool beyond = false;  // both its edges lie further that way
        switch (direction) {
        case Direction::Left: beyond = r.left < c.left && r.right < c.right; break;
        case Direction::Right: beyond = r.left > c.left && r.right > c.right; break;
        case Direction::Up: beyond = r.top < c.top && r.bottom < c.bottom; break;
        case Direction::Down: beyond = r.top > c.top && r.bottom > c.bottom; break;
        }
        if (!beyond) continue;
        if (Horizontal(direction)) {
            along = std::llabs(Centre2(r.left, r.right) - Centre2(c.left, c.right));
            gap = Gap(c.top, c.bottom, r.top, r.bottom);
            offset = std::llabs(int64_t{r.top} - c.top);
        } else {
            along = std::llabs(Centre2(r.top, r.bottom) - Centre2(c.top, c.bottom));
            gap = Gap(c.left, c.right, r.left, r.right);
            offset = std::llabs(int64_t{r.left} - c.left);
        }
        if (2 * gap > along) continue;
        // A stack in the same row (or column) comes before any across a gap.
        const int64_t score = along + 2 * offset + (gap > 0 ? kAcrossAGap + 8 * gap : 0);
        if ((best < 0 || score < bestScore) && !Hidden(stacks, view, i)) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

int16_t LowestFocusableCard(const CardStack& stack, const table::TableView& view)
{
    const int16_t count = table::ReadableCount(stack);
    if (count == 0) return -1;
    const int16_t top = static_cast<int16_t>(count - 1);
    if (table::CardStep(stack, view) == table::Point{0, 0}) return top;
    int16_t lowest = top;
    if (stack.cards[top].faceDown) return top;
    while (lowest > 0 && !stack.cards[lowest - 1].faceDown) --lowest;
    return lowest;
}

Focus CurrentFocus(const core::HostCore& core)
{
    Focus f;
    const core::KeyFocus& k = core.keys;
    if (!k.shown || core.table.count() == 0) return f;
    f.onTable = true;
    f.stack = k.stack >= 0 && k.stack < core.table.count() ? k.stack : int16_t{0};
    const CardStack& s = *core.table[f.stack];
    const int16_t top = static_cast<int16_t>(table::ReadableCount(s) - 1);
    f.card = top;
    if (k.card >= 0 && k.card < top && k.card >= LowestFocusableCard(s, core.view)) f.card = k.card;
    return f;
}

bool FocusFrameRect(const core::HostCore& core, table::Rect& frame)
{
    const Focus f = CurrentFocus(core);
    if (!f.onTable) return false;
    const CardStack& s = *core.table[f.stack];
    table::Rect r = table::CardRect(s, core.view, f.card < 0 ? int16_t{0} : f.card);
    if (f.card >= 0) {
        const table::Rect top = table::CardRect(s, core.view, static_cast<int16_t>(table::ReadableCount(s) - 1));
        r = {std::min(r.left, top.left), std::min(r.top, top.top), std::max(r.right, top.right),
             std::max(r.bottom, top.bottom)};
    }
    frame = table::Inflate(r, FocusFrameWidth(core.view));
    return true;
}

const CardStack* HeldCards(const core::HostCore& core) { return Holding(core) ? core.drag.dragStack : nullptr; }

table::Point HeldCardsLift(const table::TableView& view) { return {view.cards.fanX, -view.cards.fanY}; }

bool PressTableKey(core::HostCore& core, TableKey key)
{
    ForgetEndedHold(core);
    if (core.table.count() == 0) return false;
    const Shown before = WhatIsShown(core);
    core::KeyFocus& k = core.keys;
    if (!k.shown) {
        k.shown = true;
        if (k.stack < 0 || k.stack >= core.table.count()) k.stack = 0;
        k.card = -1;
        Redraw(core, before);
        return true;
    }
    const Focus f = CurrentFocus(core);
    k.stack = f.stack;
    if (k.card >= 0) k.card = f.card == table::ReadableCount(*core.table[f.stack]) - 1 ? int16_t{-1} : f.card;
    const bool inPlay = core.state.gameInPlay != 0 && core.hasModule();
    bool acted = true;
    switch (key) {
    case TableKey::Left:
    case TableKey::Right:
    case TableKey::Up:
    case TableKey::Down: {
        const Direction d = key == TableKey::Left    ? Direction::Left
                            : key == TableKey::Right ? Direction::Right
                            : key == TableKey::Up    ? Direction::Up
                                                     : Direction::Down;
        const int16_t next = NearestStack(core.table.live(), core.view, f.stack, d);
        acted = next >= 0;
        if (acted) {
            k.stack = next;
            k.card = -1;
        }
        break;
    }
    case TableKey::Deeper: acted = MoveWithinStack(core, f, -1); break;
    case TableKey::Higher: acted = MoveWithinStack(core, f, +1); break;
    case TableKey::Act:
        acted = inPlay;
        if (!inPlay) break;
        if (Holding(core))
            Drop(core, f);
        else
            PressAndRelease(core, f);
        break;
    case TableKey::DoubleAct:
        acted = inPlay;
        if (inPlay) DoubleClick(core, f);
        break;
    case TableKey::PutBack:
        acted = Holding(core);
        PutHeldCardsBack(core);
        break;
    }
    Redraw(core, before);
    return acted;
}

void MousePressedOnTable(core::HostCore& core)
{
    ForgetEndedHold(core);
    if (!core.keys.shown && !core.keys.holding) return;
    const Shown before = WhatIsShown(core);
    PutHeldCardsBack(core);
    core.keys.shown = false;
    Redraw(core, before);
}

}  // namespace interaction
