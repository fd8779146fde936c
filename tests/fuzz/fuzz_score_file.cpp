// The score-file reader on any bytes: what it applied is written back and
// read again to the same counters, and the Score History lines can be made.
#include <cstdint>
#include <cstring>

#include "persistence/score_file.h"
#include "persistence/score_history.h"

namespace {

void Names(core::ModuleTable& t)
{
    const char* names[] = {"Golf", "GOLF", "Klondike", "x", ""};
    t.count = 0;
    for (const char* n : names) std::strcpy(t.rows[static_cast<size_t>(t.count++)].name, n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static core::ModuleTable table;
    static core::ModuleTable back;
    Names(table);
    for (auto& row : table.rows) row.score = {};
    persistence::SpanSource in(data, size);
    persistence::ReadScoreFile(table, in);
    if (persistence::ScoreHistoryLines(table).size() != static_cast<size_t>(table.count) + 2) __builtin_trap();

    persistence::VectorSink out;
    persistence::WriteScoreFile(table, out);
    Names(back);
    for (auto& row : back.rows) row.score = {};
    persistence::SpanSource again(out.bytes);
    persistence::ReadScoreFile(back, again);
    // Every row is written; a row whose name matches an earlier row in
    // another case feeds that row, the last such record winning.
    for (int i = 0; i < table.count; ++i) {
        const auto row = static_cast<size_t>(i);
        core::ScoreRecord want{};
        for (int j = 0; j < table.count; ++j)
            if (core::FindModuleByName(table, table.rows[static_cast<size_t>(j)].name) == i)
                want = table.rows[static_cast<size_t>(j)].score;
        if (!(back.rows[row].score == want)) __builtin_trap();
    }
    return 0;
}
