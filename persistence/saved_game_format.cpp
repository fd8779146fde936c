#include "persistence/saved_game_format.h"

#include <cstring>

namespace persistence {

namespace {

constexpr uint32_t kLargestStackRecord = TS_STACK_BYTES(INT16_MAX);

}  // namespace

bool IsSavedGameHeader(const SavedGameHeader& header)
{
    return header.magic == kSavedGameMagic && header.version == kSavedGameVersion;
}

void WriteTableBlock(const table::CardTable& table, ByteSink& out)
{
    const int16_t n = table.count();
    WriteRecord(out, n);
    for (int i = 0; i < n; ++i) {
        // A module may have written the count or the capacity out of step
        // with the stack's memory: the file holds the stack as its memory
        // does, with the cards that may be read, so it loads again.
        const CardStack& s = *table[i];
        CardStack header;
        std::memcpy(&header, &s, sizeof header);
        header.capacity = table::SlotCount(s);
        header.count = table::ReadableCount(s);
        const uint32_t size = TS_STACK_BYTES(header.capacity);
        WriteRecord(out, size);
        out.Write(&header, sizeof header);
        out.Write(s.cards, size - sizeof header);
    }
}

bool ReadTableBlock(table::CardTable& table, ByteSource& in)
{
    int16_t n = 0;
    bool ok = ReadRecord(in, n) && n >= 0 && n <= table::kMaxStacks;
    std::vector<uint8_t> record;
    for (int i = 0; ok && i < n; ++i) {
        uint32_t size = 0;
        ok = ReadRecord(in, size) && size >= sizeof(CardStack) && size <= kLargestStackRecord && size <= in.Remaining();
        if (!ok) break;
        record.resize(size);
        ok = in.Read(record.data(), size) == size && table.AddRecord(record.data(), size) != nullptr;
    }
    if (!ok) table.Discard();
    return ok;
}

SavedGameFault ReadSavedGame(ByteSource& in, SavedGame& game)
{
    SavedGameHeader header;
    if (!ReadRecord(in, header)) return SavedGameFault::TooShort;
    if (!IsSavedGameHeader(header)) return SavedGameFault::NotSavedGame;
    game.state = header.state;

    uint32_t length = 0;
    // A length beyond the end of the file is a file cut short: nothing is
    // allocated for bytes that are not there.
    if (!ReadRecord(in, length) || length > in.Remaining()) return SavedGameFault::BadModuleData;
    game.moduleData.resize(length);
    if (length > 0 && in.Read(game.moduleData.data(), length) != length) {
        game.moduleData.clear();
        return SavedGameFault::BadModuleData;
    }
    return ReadTableBlock(game.table, in) ? SavedGameFault::None : SavedGameFault::BadTable;
}

void WriteSavedGame(const core::HostState& state, const void* moduleData, uint32_t length,
                    const table::CardTable& table, ByteSink& out)
{
    SavedGameHeader header;
    header.state = state;
    WriteRecord(out, header);
    if (!moduleData) length = 0;
    WriteRecord(out, length);
    if (length > 0) out.Write(moduleData, length);
    WriteTableBlock(table, out);
}

}  // namespace persistence
