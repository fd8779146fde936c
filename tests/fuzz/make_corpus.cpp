// Writes the seed corpus of the fuzz targets with the program's own
// writers: saved games with and without module data, score files and
// CurState values.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "persistence/cur_state.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"
#include "persistence/score_file.h"
#include "tests/fuzz/null_seam.h"

namespace {

bool Put(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

size_t g_dataBytes = 0;

TSMemory TS_CALL GetGameData(void)
{
    if (!g_dataBytes) return nullptr;
    TSMemory block = TsNativeMemoryAlloc(g_dataBytes);
    std::memset(TsNativeMemoryData(block), 0x5A, g_dataBytes);
    return block;
}

std::vector<uint8_t> SavedGame(size_t dataBytes, int stacks, int16_t cardSize)
{
    fuzz::NullSeam seam;
    core::HostCore core(seam);
    core::ModuleEntry& m = core.modules.rows[0];
    std::strcpy(m.name, "Fuzz Game");
    m.entry.getGameData = GetGameData;
    core.modules.count = 1;
    core.flow.currentModule = 0;
    core.state.cardSize = cardSize;
    core.state.gameInPlay = 1;
    core.state.seed = 12345;
    core::CopyText(core.state.messageText, "Message");
    core::CopyText(core.state.scoreText, "Score: 10");
    for (int i = 0; i < stacks; ++i) {
        const StackSpec spec{static_cast<uint32_t>(i & 1),
                             10 + 60 * i,
                             10,
                             0,
                             static_cast<int16_t>(i % 10),
                             static_cast<int16_t>(i == 0 ? 52 : 13),
                             0};
        CardStack* s = core.table.Create(spec, table::CardSize::Small);
        for (int c = 0; c < (i == 0 ? 24 : i); ++c)
            s->cards[s->count++] = CardEntry{c % 2u, 0, static_cast<int16_t>((c * 7 + i) % 52), 0};
    }
    g_dataBytes = dataBytes;
    persistence::NativeGameMemory memory;
    persistence::VectorSink out;
    persistence::WriteGameFile(core, memory, out);
    return out.bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_corpus <saved-game dir> <score dir> <curstate dir>\n");
        return 2;
    }
    const std::string games = argv[1], scores = argv[2], states = argv[3];
    bool ok = Put(games + "/empty_table.tsg", SavedGame(0, 0, 0)) && Put(games + "/no_data.tsg", SavedGame(0, 3, 0)) &&
              Put(games + "/with_data.tsg", SavedGame(16, 5, 1)) && Put(games + "/many.tsg", SavedGame(1, 13, 0));

    core::ModuleTable table;
    for (const char* name : {"Golf", "Klondike", "GOLF"}) {
        core::ModuleEntry& row = table.rows[static_cast<size_t>(table.count++)];
        std::strcpy(row.name, name);
        row.score = {table.count * 3, table.count, table.count * 10 - 15, table.count * 7};
    }
    persistence::VectorSink scoreFile;
    persistence::WriteScoreFile(table, scoreFile);
    ok = ok && Put(scores + "/three.sav", scoreFile.bytes);
    table.count = 0;
    persistence::VectorSink emptyScores;
    persistence::WriteScoreFile(table, emptyScores);
    ok = ok && Put(scores + "/none.sav", emptyScores.bytes);

    for (uint32_t show : {1u, 3u}) {
        const persistence::CurStateRecord r =
            persistence::CurStateAtExit(persistence::DefaultCurState(1), 6, show, 100, 80, 740, 600);
        std::vector<uint8_t> bytes(sizeof r);
        std::memcpy(bytes.data(), &r, sizeof r);
        ok = ok && Put(states + "/show" + std::to_string(show) + ".bin", bytes);
    }
    return ok ? 0 : 1;
}
