// The moments the program writes what it keeps (persistence/save_moments.h)
// carried out: the score file, the resume file and CurState.
#pragma once

#include "core/module_table.h"
#include "persistence/save_moments.h"

namespace shell {

void SaveAt(persistence::SaveMoment moment);
// A booking or Clear Scores: the score file from these rows.
void SaveScores(persistence::SaveMoment moment, const core::ModuleTable& modules);

// A restart for updates starts the program again, and the resume file
// brings the game back.
void RegisterForRestart();

}  // namespace shell
