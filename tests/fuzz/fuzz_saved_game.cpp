// The saved-game reader on any bytes. A file that loads must read every
// card of every stack within its memory, hand the module a data block of
// the stated size, and write back to bytes that load to the same table.
#include <cstdint>
#include <cstring>

#include "core/host_core.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"
#include "tests/fuzz/null_seam.h"

namespace {

fuzz::NullSeam g_seam;
persistence::NativeGameMemory g_memory;
volatile uint32_t g_sink;

// The module reads everything it is handed, so the sanitizers see any read
// beyond a stack or the data block.
void TS_CALL LoadGame(CardStack** stacks, int16_t count, TSMemory data)
{
    uint32_t sum = 0;
    for (int i = 0; i < count; ++i) {
        const CardStack* s = stacks[i];
        for (int c = 0; c < s->count; ++c) sum += static_cast<uint32_t>(s->cards[c].image) + s->cards[c].faceDown;
    }
    const auto* bytes = static_cast<const uint8_t*>(TsNativeMemoryData(data));
    for (size_t i = 0; i < TsNativeMemorySize(data); ++i) sum += bytes[i];
    g_sink = sum;
}

TSMemory TS_CALL GetGameData(void)
{
    TSMemory block = TsNativeMemoryAlloc(3);
    std::memcpy(TsNativeMemoryData(block), "abc", 3);
    return block;
}

void Install(core::HostCore& core, int row, const char* name)
{
    core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
    std::strcpy(m.name, name);
    m.tableWidth = 400;
    m.tableHeight = 300;
    m.entry.loadGame = LoadGame;
    m.entry.getGameData = GetGameData;
    core.modules.count = row + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    core::HostCore core(g_seam);
    Install(core, 0, "Fuzz Game");
    Install(core, 1, "Other Game");
    g_seam.smallThere = size % 2 == 0;

    persistence::SpanSource in(data, size);
    if (persistence::LoadGameFile(core, g_memory, &in, "fuzz.tsg") != persistence::LoadError::None) {
        // A failed load leaves a consistent table: nothing or everything.
        if (core.table.count() != core.table.shadow().count) __builtin_trap();
        return 0;
    }

    persistence::VectorSink first;
    if (!persistence::WriteGameFile(core, g_memory, first)) __builtin_trap();
    core::HostCore again(g_seam);
    Install(again, 0, "Fuzz Game");
    Install(again, 1, "Other Game");
    persistence::SpanSource back(first.bytes);
    if (persistence::LoadGameFile(again, g_memory, &back, "again.tsg") != persistence::LoadError::None)
        __builtin_trap();
    persistence::VectorSink second;
    persistence::WriteGameFile(again, g_memory, second);
    if (second.bytes != first.bytes) __builtin_trap();
    return 0;
}
