#include "persistence/score_history.h"

#include <cstdio>

#include "core/host_state.h"

namespace persistence {

int32_t AverageScore(const core::ScoreRecord& score)
{
    if (score.played == 0) return 0;
    // 64-bit so that the lowest total over -1 games cannot overflow; the
    // quotient is taken back to 32 bits as the list shows it.
    const int64_t q = static_cast<int64_t>(score.scoreTotal) / score.played;
    return static_cast<int32_t>(static_cast<uint32_t>(q));
}

std::vector<std::string> ScoreHistoryLines(const core::ModuleTable& modules)
{
    std::vector<std::string> lines{"Game\tPlayed\tWins\tMax\tAvg", ""};
    for (int i = 0; i < modules.count; ++i) {
        const core::ModuleEntry& row = modules.rows[static_cast<size_t>(i)];
        char name[TS_NAME_BYTES];
        core::CopyText(name, row.name);
        char line[TS_NAME_BYTES + 64];
        std::snprintf(line, sizeof line, "%s\t%ld\t%ld\t%ld\t%ld", name, static_cast<long>(row.score.played),
                      static_cast<long>(row.score.wins), static_cast<long>(row.score.scoreMax),
                      static_cast<long>(AverageScore(row.score)));
        lines.emplace_back(line);
    }
    return lines;
}

void ClearScores(core::ModuleTable& modules)
{
    for (int i = 0; i < modules.count; ++i) modules.rows[static_cast<size_t>(i)].score = core::ScoreRecord{};
}

}  // namespace persistence
