#include "persistence/game_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "modules/card_choice.h"
#include "modules/game_flow.h"
#include "persistence/score_file.h"

namespace persistence {

namespace {

constexpr uint32_t kLargestStackRecord = TS_STACK_BYTES(INT16_MAX);

const char* CaptionFor(LoadError e)
{
    switch (e) {
    case LoadError::CannotOpen: return "Load Game Error 1";
    case LoadError::TooShort: return "Load Game Error 2";
    case LoadError::NotSavedGame: return "Load Game Error 3";
    case LoadError::NoModule: return "Load Game Error 4";
    case LoadError::NoMemory: return "Load Game Error 5";
    case LoadError::BadData: return "Load Game Error 6";
    case LoadError::None: break;
    }
    return "";
}

LoadError Fail(core::HostCore& core, LoadError e, const char* text)
{
    core.seam.ShowMessage(text, CaptionFor(e));
    return e;
}

// The module's data block: null when L is 0. `error` is set when the
// block is longer than the file or cannot be had.
TSMemory ReadModuleData(GameMemory& memory, ByteSource& in, LoadError& error)
{
    uint32_t length = 0;
    if (!ReadRecord(in, length)) {
        error = LoadError::BadData;
        return nullptr;
    }
    if (length == 0) return nullptr;
    // A length beyond the end of the file is a file cut short: nothing is
    // allocated for bytes that are not there.
    if (length > in.Remaining()) {
        error = LoadError::BadData;
        return nullptr;
    }
    TSMemory block = memory.Allocate(length);
    if (!block) {
        error = LoadError::NoMemory;
        return nullptr;
    }
    void* bytes = memory.Lock(block);
    const bool complete = bytes && in.Read(bytes, length) == length;
    if (bytes) memory.Unlock(block);
    if (!complete) {
        memory.Free(block);
        error = LoadError::BadData;
        return nullptr;
    }
    return block;
}

// The host options' menu items follow the state a file brought.
void CheckHostOptions(core::HostCore& core)
{
    core.seam.CheckMenuItem(modules::kCommandSmallCards, core.state.cardSize == 0);
    core.seam.CheckMenuItem(modules::kCommandLargeCards, core.state.cardSize == 1);
    core.seam.CheckMenuItem(modules::kCommandAutoPlay, core.state.autoPlay != 0);
    core.seam.CheckMenuItem(modules::kCommandSounds, core.state.sounds != 0);
}

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

bool WriteGameFile(core::HostCore& core, GameMemory& memory, ByteSink& out)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m) return false;
    interaction::CancelDrag(core);
    core::CopyText(core.state.moduleName, m->name);

    SavedGameHeader header;
    header.state = core.state;
    WriteRecord(out, header);

    TSMemory block = m->entry.getGameData ? m->entry.getGameData() : nullptr;
    const void* bytes = block ? memory.Lock(block) : nullptr;
    if (bytes) {
        const uint32_t length = static_cast<uint32_t>(memory.Size(block));
        WriteRecord(out, length);
        out.Write(bytes, length);
        memory.Unlock(block);
    } else {
        WriteRecord(out, uint32_t{0});
    }
    if (block) memory.Free(block);

    WriteTableBlock(core.table, out);
    return true;
}

LoadError LoadGameFile(core::HostCore& core, GameMemory& memory, ByteSource* in, const char* path)
{
    interaction::CancelDrag(core);
    modules::BookGame(core);

    char text[64 + 300];
    if (!in) {
        std::snprintf(text, sizeof text, "Couldn't open game file: %s", path ? path : "");
        return Fail(core, LoadError::CannotOpen, text);
    }

    SavedGameHeader header;
    if (!ReadRecord(*in, header)) return Fail(core, LoadError::TooShort, "Invalid saved game file");
    if (!IsSavedGameHeader(header)) return Fail(core, LoadError::NotSavedGame, "Invalid saved game file");

    core::HostState state = header.state;
    const bool smallAvailable = core.seam.CardSizeAvailable(table::CardSize::Small);
    const bool largeAvailable = core.seam.CardSizeAvailable(table::CardSize::Large);
    core::MakeUsable(state, static_cast<int16_t>(modules::DefaultCardSize(smallAvailable)));

    const int row = core::FindModuleByName(core.modules, state.moduleName);
    if (row < 0) {
        std::snprintf(text, sizeof text, "Couldn't find game module: %s", state.moduleName);
        return Fail(core, LoadError::NoModule, text);
    }

    LoadError dataError = LoadError::None;
    TSMemory block = ReadModuleData(memory, *in, dataError);
    if (dataError != LoadError::None) return Fail(core, dataError, "Error loading file");

    // From here the old table is gone, whatever follows.
    interaction::DiscardTable(core);
    if (!ReadTableBlock(core.table, *in)) {
        if (block) memory.Free(block);
        core.state.gameInPlay = 0;
        core.flow.undoAvailable = false;
        core.flow.undoArmed = false;
        core.paint.fullRepaint = true;
        core.seam.InvalidateClient(false);
        core.seam.RepaintNow();
        return Fail(core, LoadError::BadData, "Error loading file");
    }

    // The module gets its own copy of the stack addresses: what it writes
    // into the array never reaches the host's table.
    core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
    std::array<CardStack*, table::kMaxStacks> stacks = core.table.live().stacks;
    if (m.entry.loadGame) m.entry.loadGame(stacks.data(), core.table.count(), block);
    if (block) memory.Free(block);

    const int16_t oldCardSize = core.state.cardSize;
    core.state = state;

    // A game saved in a card size whose library is missing comes up in the
    // other size, its stacks converted.
    const modules::LoadedCardSize size = modules::CardSizeForLoadedGame(state.cardSize, smallAvailable, largeAvailable);
    if (size.rescale)
        core.table.Rescale(state.cardSize == 1 ? table::CardSize::Large : table::CardSize::Small, size.size);
    core.state.cardSize = static_cast<int16_t>(size.size);
    core.seam.LoadCardPictures(size.size);
    core::SwitchCardSize(core, size.size, false);
    modules::SelectCardSet(core, core.state.cardSet, false);

    core.flow.undoAvailable = false;
    core.flow.undoArmed = false;

    CheckHostOptions(core);
    modules::MakeGameCurrent(core, row, {.refit = oldCardSize != core.state.cardSize, .erase = false});
    if (core.state.gameInPlay) core.flow.scorePending = true;
    return LoadError::None;
}

}  // namespace persistence
