// What the Score History dialog lists, and its Clear Scores.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/module_table.h"

namespace persistence {

// Tab stops of the list, in dialog template units.
constexpr int kScoreHistoryTabStops[4] = {90, 120, 150, 180};

// scoreTotal / played, truncated toward zero; 0 when nothing was played.
int32_t AverageScore(const core::ScoreRecord& score);

// The heading, an empty line, then one line per row: name, played, wins,
// best score and average, separated by tabs.
std::vector<std::string> ScoreHistoryLines(const core::ModuleTable& modules);

void ClearScores(core::ModuleTable& modules);

}  // namespace persistence
