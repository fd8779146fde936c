#include "core/module_calls.h"

namespace core {

int16_t CallMouseHit(HostCore& core, CardStack* stack, int16_t card)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.mouseHit) return TS_HIT_NOTHING;
    ArmUndo(core);
    const int16_t answer = m->entry.mouseHit(stack, card);
    if (answer != 0) AutoPlayStep(core);
    return answer;
}

void CallDoubleClick(HostCore& core, CardStack* stack, int16_t card)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.doubleClick) return;
    ArmUndo(core);
    m->entry.doubleClick(stack, card);
    AutoPlayStep(core);
}

int32_t CallOkToDropCards(HostCore& core, CardStack* dragged, CardStack* target)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.okToDropCards) return 0;
    return m->entry.okToDropCards(dragged, target);
}

void CallStackChanged(HostCore& core, CardStack* target)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.stackChanged) return;
    m->entry.stackChanged(target);
    AutoPlayStep(core);
}

void CallOptionSelected(HostCore& core, int32_t option)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.optionSelected) return;
    m->entry.optionSelected(option);
    AutoPlayStep(core);
}

void ArmUndo(HostCore& core) { core.flow.undoArmed = true; }

void TakeUndoSnapshot(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoArmed) return;
    core.flow.undoAvailable = true;
    core.flow.undoArmed = false;
    UndoSnapshot& snap = core.flow.snapshot;
    CopyText(snap.messageText, core.state.messageText);
    CopyText(snap.scoreText, core.state.scoreText);
    snap.score = m->score;
    core.table.Snapshot();
    // Cards in the air belong to their stack: a snapshot taken during a
    // drag (a module's message from TSOkToDropCards, or the drop itself)
    // shows them where they were, so Undo never loses them.
    const DragState& d = core.drag;
    if ((d.dragging || d.dropping) && d.dragStack) {
        if (CardStack* shadow = core.table.ShadowOf(d.grabbedStack))
            table::ReturnDraggedCards(*shadow, d.grabbedIndex,
                                      d.singleCard ? table::DragMode::Single : table::DragMode::Run, *d.dragStack);
    }
    if (m->entry.prepareForUndo) m->entry.prepareForUndo();
}

void AutoPlayStep(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.state.autoPlay || !core.state.gameInPlay || !m->entry.autoPlay) return;
    m->entry.autoPlay();
}

}  // namespace core
