// The resume file and the score file beside the executable.
#pragma once

#include "core/module_table.h"
#include "persistence/win/folder_report.h"

namespace persistence {

// Start-up: the head of the resume file, or the defaults.
void RestoreHostState();
// Start-up: the score file, then the resumed game. True when a game came back.
bool ReadScoresAndResume();
// True once start-up has read the score file: from then on the files may
// be written.
bool StoredStateRead();
// The score file, and the resume file (nothing without a game), each
// written whole or not at all; a failure is reported as `report` says.
void WriteScores(const core::ModuleTable& modules, Report report);
void WriteResume(Report report);

}  // namespace persistence
