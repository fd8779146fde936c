// Undo: one step back. A click passed to the module arms the snapshot; the
// next change of the table takes it (the table's shadow, the texts, the
// score record, and the module's own state through TSPrepareForUndo), so
// one user action is one undo step. Undo exchanges all of it with the
// present and calls TSUndo; a second Undo takes the step back again.
#pragma once

#include "core/host_core.h"

namespace interaction {

void ArmUndo(core::HostCore& core);
// Takes the snapshot when armed. Cards lifted by a drag are in it on the
// stack they came from.
void TakeUndoSnapshot(core::HostCore& core);
// Nothing to take back: a new deal, a loaded game.
void ForgetUndo(core::HostCore& core);
// The Undo command. It may arrive during a drag (from the keyboard or the
// menu): the lifted cards go back first, so the table never changes under
// cards that are in the air.
void Undo(core::HostCore& core);

}  // namespace interaction
