#include "interaction/dragging.h"

#include <cstdlib>
#include <cstring>

#include "core/module_calls.h"
#include "interaction/undo.h"

namespace interaction {

namespace {

using core::HostCore;

table::DragMode Mode(const core::DragState& d) { return d.singleCard ? table::DragMode::Single : table::DragMode::Run; }

// The grabbed stack, when it is still on the table and its grabbed card is
// still there. Autoplay after the press may have moved cards away.
CardStack* GrabbedCardStack(core::HostCore& core)
{
    core::DragState& d = core.drag;
    if (core.table.IndexOf(d.grabbedStack) < 0) return nullptr;
    if (d.grabbedIndex < 0 || d.grabbedIndex >= table::ReadableCount(*d.grabbedStack)) return nullptr;
    return d.grabbedStack;
}

void ReleaseDragStack(core::HostCore& core)
{
    core::DragState& d = core.drag;
    table::FreeStack(d.dragStack);
    d.dragStack = nullptr;
    if (d.hasDragImage) {
        core.seam.ReleaseDragImage();
        d.hasDragImage = false;
    }
}

}  // namespace

bool LiftGrabbedCards(core::HostCore& core, bool withImage)
{
    core::DragState& d = core.drag;
    CardStack* source = GrabbedCardStack(core);
    if (!source) {  // stale press: cancel the drag
        d.armed = false;
        d.singleCard = false;
        return false;
    }
    const int16_t n = d.singleCard ? 1 : static_cast<int16_t>(table::ReadableCount(*source) - d.grabbedIndex);
    CardStack* drag = table::NewStack(n);
    if (!drag) return false;  // the next move tries again
    ReleaseDragStack(core);
    d.dragStack = drag;
    core::PlayTableSound(core, core::Sound::Slide, core::SoundMode::Async);

    drag->framed = 0;
    drag->baseImage = TS_BASE_NONE;
    drag->fanDirection = source->fanDirection;
    drag->capacity = n;
    drag->count = n;
    const table::Rect b = table::StackRect(*drag, core.view);
    drag->x = -b.left;
    drag->y = -b.top;
    for (int16_t i = 0; i < n; ++i) drag->cards[i] = source->cards[d.grabbedIndex + i];

    core::InvalidateTable(core, table::StackRect(*source, core.view));
    const table::Rect image = table::StackRect(*drag, core.view);
    d.imageWidth = image.Width();
    d.imageHeight = image.Height();
    d.hasDragImage = withImage && core.seam.MakeDragImage(*drag, core.drawing(), d.imageWidth, d.imageHeight);

    // The carried cards start where the grabbed card lies, not at the frame
    // drawn around it.
    const table::Point g = table::CardPos(*source, core.view, d.grabbedIndex);
    table::TakeDraggedCards(*source, d.grabbedIndex, Mode(d));
    core.seam.RepaintNow();
    drag->x += g.x;
    drag->y += g.y;
    d.dragging = true;
    return true;
}

void CancelDrag(core::HostCore& core)
{
    core::DragState& d = core.drag;
    if (d.dragging && d.dragStack) {
        const table::Rect a = table::StackRect(*d.dragStack, core.view);
        core.paint.tableDirty = true;
        core.seam.Invalidate(a, false);
        if (core.table.IndexOf(d.grabbedStack) >= 0) {
            table::ReturnDraggedCards(*d.grabbedStack, d.grabbedIndex, Mode(d), *d.dragStack);
            core.seam.Invalidate(table::StackRect(*d.grabbedStack, core.view), false);
        }
        core.seam.RepaintNow();
        ReleaseDragStack(core);
    }
    d.armed = d.dragging = d.singleCard = false;
}

void MouseCaptureLost(core::HostCore& core)
{
    core::DragState& d = core.drag;
    CancelDrag(core);
    d.leftPressed = false;
    if (!d.viewing) return;
    d.viewing = false;
    if (d.dragStack) {
        core.seam.Invalidate(table::StackRect(*d.dragStack, core.view), false);
        core.seam.RepaintNow();
    }
    ReleaseDragStack(core);
}

void PickUpCards(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.viewing) return;
    if (d.dragging) CancelDrag(core);
    d.leftPressed = true;
    core.seam.CaptureMouse();
    d.grabbedStack = nullptr;
    d.grabbedIndex = 0;

    const table::Hit hit = table::HitTest(core.table.live(), core.view, {x, y});
    if (!hit.found) return;
    d.lastX = x;
    d.lastY = y;
    PressStackCard(core, hit.stack, hit.card);
}

void PressStackCard(core::HostCore& core, int16_t stack, int16_t card)
{
    core::DragState& d = core.drag;
    d.grabbedStack = core.table[stack];
    d.grabbedIndex = card;
    d.armed = d.dragging = d.singleCard = false;

    ArmUndo(core);
    const int16_t answer = core::CallMouseHit(core, d.grabbedStack, d.grabbedIndex);
    if (d.grabbedIndex < 0) return;
    switch (answer) {
    case TS_HIT_DRAG_RUN: d.armed = true; break;
    case TS_HIT_DRAG_CARD: d.armed = d.singleCard = true; break;
    case TS_HIT_MARK:
        if (CardStack* s = GrabbedCardStack(core)) {
            s->cards[d.grabbedIndex].mark = 1;
            core::InvalidateTable(core, table::CardRect(*s, core.view, d.grabbedIndex));
            core.seam.RepaintNow();
        }
        break;
    default: break;
    }
}

void DragCards(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.viewing || !d.armed) return;
    if (!d.dragging) {
        if (std::abs(x - d.lastX) < kDragThreshold && std::abs(y - d.lastY) < kDragThreshold) return;
        if (!LiftGrabbedCards(core, true)) return;
    } else {
        if (!d.dragStack) {  // the table was discarded under the drag
            d.armed = d.dragging = d.singleCard = false;
            return;
        }
        core.seam.Invalidate(table::StackRect(*d.dragStack, core.view), false);
    }
    d.dragStack->x += x - d.lastX;
    d.dragStack->y += y - d.lastY;
    d.lastX = x;
    d.lastY = y;
    const table::Rect now = table::StackRect(*d.dragStack, core.view);
    core.seam.ValidateRect(now);
    core.seam.RepaintNow();
    if (d.hasDragImage)
        core.seam.DrawDragImage({now.left, now.top});
    else
        core.seam.DrawStackOnWindow(*d.dragStack, core.drawing());
}

namespace {

// Room on a stack for n more cards.
bool HasRoom(const CardStack& s, int16_t n) { return s.count >= 0 && s.count + n <= table::UsableCapacity(s); }

// Asks the module whether the candidate takes the cards. The module gets a
// copy of the drag stack, fresh for each question, so nothing it writes
// there reaches the cards in the air.
bool OkToDrop(core::HostCore& core, const CardStack& drag, CardStack& offer, CardStack* candidate)
{
    std::memcpy(&offer, &drag, TS_STACK_BYTES(table::SlotCount(drag)));
    return core::CallOkToDropCards(core, &offer, candidate) != 0;
}


// Offers the cards in the air to the candidates in order (their source is
// skipped) until one takes them, and takes the undo snapshot for the move.
// The module may change the table while it is asked (a message sent from
// TSOkToDropCards or TSPrepareForUndo): the table only grows meanwhile, so
// the indices stay good, and room is checked again right before the cards
// are placed.
CardStack* AcceptingStack(core::HostCore& core, const CardStack& drag, const CardStack* source,
                          const table::DropTargets& targets)
{
    CardStack* offer = table::NewStack(drag.count);  // none: the drop is refused
    CardStack* accepted = nullptr;
    for (int16_t i = 0; i < targets.count && offer && !accepted; ++i) {
        CardStack* candidate = core.table[targets.stack[static_cast<size_t>(i)]];
        if (candidate == source) continue;
        if (!OkToDrop(core, drag, *offer, candidate)) continue;
        if (!HasRoom(*candidate, drag.count)) break;  // no room
        accepted = candidate;
    }
    table::FreeStack(offer);
    if (accepted) {
        TakeUndoSnapshot(core);  // shows the lifted cards on their source
        if (!HasRoom(*accepted, drag.count)) accepted = nullptr;
    }
    return accepted;
}

// Ends the drop: the cards go onto the stack that took them, or back onto
// their source; `shown` is where they were drawn last. The module hears of
// an accepted drop.
bool LandCards(core::HostCore& core, CardStack& drag, CardStack& source, CardStack* accepted, const table::Rect& shown)
{
    core::DragState& d = core.drag;
    table::Rect t;
    if (accepted) {
        for (int16_t i = 0; i < drag.count; ++i) accepted->cards[accepted->count++] = drag.cards[i];
        t = table::StackRect(*accepted, core.view);
    } else {
        table::ReturnDraggedCards(source, d.grabbedIndex, Mode(d), drag);
        t = table::StackRect(source, core.view);
    }
    drag.count = 0;
    core.paint.tableDirty = true;
    core.seam.Invalidate(shown, false);
    core.seam.Invalidate(t, false);
    core.seam.RepaintNow();
    ReleaseDragStack(core);
    d.singleCard = false;
    if (accepted) core::CallStackChanged(core, accepted);
    return accepted != nullptr;
}

// The stack the cards in the air came from, when it is still on the table.
CardStack* DragSource(core::HostCore& core)
{
    return core.table.IndexOf(core.drag.grabbedStack) >= 0 ? core.drag.grabbedStack : nullptr;
}

}  // namespace

bool DropCards(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.viewing) return false;
    d.leftPressed = false;
    core.seam.ReleaseMouse();
    if (!d.armed) return false;
    d.armed = false;
    if (!d.dragging) return false;
    d.dragging = false;
    CardStack* drag = d.dragStack;
    CardStack* source = DragSource(core);
    if (!drag || !source) {  // the table was discarded under the drag
        ReleaseDragStack(core);
        d.singleCard = false;
        return false;
    }

    const table::Rect a = table::StackRect(*drag, core.view);
    const table::Rect r = table::Offset(table::CardRect(*drag, core.view, 0), x - d.lastX, y - d.lastY);
    core::PlayTableSound(core, core::Sound::Flip, core::SoundMode::Async);

    d.dropping = true;
    table::DropTargets targets;
    table::RankDropTargets(core.table.live(), core.view, r, targets);
    CardStack* accepted = AcceptingStack(core, *drag, source, targets);
    d.dropping = false;
    return LandCards(core, *drag, *source, accepted, a);
}

DropOutcome DropHeldCardsOn(core::HostCore& core, int16_t target)
{
    core::DragState& d = core.drag;
    CardStack* drag = d.dragStack;
    CardStack* source = DragSource(core);
    if (!d.dragging || !drag || !source) {  // nothing in the air, or the table was discarded
        if (d.dragging) CancelDrag(core);
        return DropOutcome::NothingHeld;
    }
    core::PlayTableSound(core, core::Sound::Flip, core::SoundMode::Async);
    const table::Rect shown = table::StackRect(*drag, core.view);
    if (core.table[target] == source) {  // offered back to their own stack: they go back
        d.armed = d.dragging = false;
        LandCards(core, *drag, *source, nullptr, shown);
        return DropOutcome::PutBack;
    }
    table::DropTargets targets;
    targets.count = 1;
    targets.stack[0] = target;
    CardStack* accepted = AcceptingStack(core, *drag, source, targets);
    if (!accepted) return DropOutcome::Refused;
    d.armed = d.dragging = false;
    LandCards(core, *drag, *source, accepted, shown);
    return DropOutcome::Accepted;
}

void DoubleClickCards(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.viewing || d.dragging) return;
    const table::Hit hit = table::HitTest(core.table.live(), core.view, {x, y});
    if (!hit.found || core.table[hit.stack] != d.grabbedStack) return;
    ArmUndo(core);
    core::CallDoubleClick(core, core.table[hit.stack], hit.card);
    d.armed = false;
    d.singleCard = false;
}

int16_t CardsInTheAir(const core::HostCore& core, const CardStack& stack)
{
    const core::DragState& d = core.drag;
    if (!(d.dragging || d.dropping) || !d.dragStack || d.grabbedStack != &stack) return 0;
    return table::ReadableCount(*d.dragStack);
}

void ShowCard(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.leftPressed) return;
    const table::Hit hit = table::HitTest(core.table.live(), core.view, {x, y});
    if (!hit.found || hit.card < 0 || hit.card >= table::ReadableCount(*core.table[hit.stack])) return;
    d.viewing = true;
    core.seam.CaptureMouse();
    ReleaseDragStack(core);
    CardStack* view = table::NewStack(1);
    if (!view) return;
    d.dragStack = view;
    const CardStack& s = *core.table[hit.stack];
    const table::Point p = table::CardPos(s, core.view, hit.card);
    view->count = 1;
    view->capacity = 1;
    view->baseImage = TS_BASE_NONE;
    view->fanDirection = TS_FAN_SQUARED;
    view->framed = 0;
    view->x = p.x - core.view.origin.x;
    view->y = p.y - core.view.origin.y;
    view->cards[0] = s.cards[hit.card];
    core.seam.DrawStackOnWindow(*view, core.drawing());
}

void HideCard(core::HostCore& core, int32_t x, int32_t y)
{
    core::DragState& d = core.drag;
    if (d.leftPressed || !d.viewing) return;
    d.viewing = false;
    core.seam.ReleaseMouse();
    if (!d.dragStack) return;
    core.seam.Invalidate(table::StackRect(*d.dragStack, core.view), false);
    core.seam.RepaintNow();
    ReleaseDragStack(core);
}

}  // namespace interaction
