#include "persistence/score_file.h"

#include "core/host_state.h"

namespace persistence {

void ReadScoreFile(core::ModuleTable& modules, ByteSource& in)
{
    ScoreFileHeader header;
    if (!ReadRecord(in, header) || header.magic != kScoreFileMagic || header.version != kScoreFileVersion) return;
    for (int i = 0; i < header.count; ++i) {
        ScoreFileRecord record;
        if (!ReadRecord(in, record)) return;
        record.name[sizeof record.name - 1] = '\0';
        const int row = core::FindModuleByName(modules, record.name);
        if (row < 0) continue;
        core::ScoreRecord& score = modules.rows[static_cast<size_t>(row)].score;
        score.played = record.played;
        score.wins = record.wins;
        score.scoreTotal = record.scoreTotal;
        score.scoreMax = record.scoreMax;
    }
}

void WriteScoreFile(const core::ModuleTable& modules, ByteSink& out)
{
    ScoreFileHeader header;
    header.count = static_cast<int16_t>(modules.count);
    WriteRecord(out, header);
    for (int i = 0; i < modules.count; ++i) {
        const core::ModuleEntry& row = modules.rows[static_cast<size_t>(i)];
        ScoreFileRecord record;
        core::CopyText(record.name, row.name);
        record.played = row.score.played;
        record.wins = row.score.wins;
        record.scoreTotal = row.score.scoreTotal;
        record.scoreMax = row.score.scoreMax;
        WriteRecord(out, record);
    }
}

}  // namespace persistence
