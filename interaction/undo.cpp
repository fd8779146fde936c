#include "interaction/undo.h"

#include <utility>

#include "core/module_calls.h"
#include "interaction/dragging.h"

namespace interaction {

namespace {

template <size_t N>
void SwapTexts(char (&a)[N], char (&b)[N])
{
    for (size_t i = 0; i < N; ++i) std::swap(a[i], b[i]);
}

}  // namespace

// Only a click that reaches a module arms: with no game there is nothing
// to take back.
void ArmUndo(core::HostCore& core)
{
    if (core.hasModule()) core.flow.undoArmed = true;
}

void TakeUndoSnapshot(core::HostCore& core)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoArmed) return;
    core.flow.undoAvailable = true;
    core.flow.undoArmed = false;
    core::UndoSnapshot& snap = core.flow.snapshot;
    core::CopyText(snap.messageText, core.state.messageText);
    core::CopyText(snap.scoreText, core.state.scoreText);
    snap.score = m->score;
    core.table.Snapshot();
    // Cards in the air belong to their stack: a snapshot taken during a
    // drag (a module's message from TSOkToDropCards, or the drop itself)
    // shows them where they were, so Undo never loses them.
    const core::DragState& d = core.drag;
    if ((d.dragging || d.dropping) && d.dragStack) {
        if (CardStack* shadow = core.table.ShadowOf(d.grabbedStack))
            table::ReturnDraggedCards(*shadow, d.grabbedIndex,
                                      d.singleCard ? table::DragMode::Single : table::DragMode::Run, *d.dragStack);
    }
    if (m->entry.prepareForUndo) m->entry.prepareForUndo();
}

void ForgetUndo(core::HostCore& core)
{
    core.flow.undoAvailable = false;
    core.flow.undoArmed = false;
}

void Undo(core::HostCore& core)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoAvailable || !core.state.gameInPlay) return;
    CancelDrag(core);
    core::UndoSnapshot& snap = core.flow.snapshot;
    SwapTexts(core.state.messageText, snap.messageText);
    SwapTexts(core.state.scoreText, snap.scoreText);
    std::swap(m->score, snap.score);
    core.table.Swap();
    if (m->entry.undo) m->entry.undo();
    core.paint.tableDirty = true;
    core.seam.InvalidateClient(false);
    core.seam.RepaintNow();
    core::AutoPlayStep(core);
}

}  // namespace interaction
