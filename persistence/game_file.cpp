#include "persistence/game_file.h"

#include <cstdio>
#include <cstring>

#include "interaction/dragging.h"
#include "modules/card_choice.h"
#include "modules/game_flow.h"

namespace persistence {

namespace {

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

// The module's data in a block of its movable memory: null when there is
// none, and when the block cannot be had or filled (`error` then says so).
TSMemory ModuleDataBlock(GameMemory& memory, const std::vector<uint8_t>& data, LoadError& error)
{
    error = LoadError::None;
    if (data.empty()) return nullptr;
    TSMemory block = memory.Allocate(data.size());
    if (!block) {
        error = LoadError::NoMemory;
        return nullptr;
    }
    void* bytes = memory.Lock(block);
    if (!bytes) {
        memory.Free(block);
        error = LoadError::BadData;
        return nullptr;
    }
    std::memcpy(bytes, data.data(), data.size());
    memory.Unlock(block);
    return block;
}

}  // namespace

bool WriteGameFile(core::HostCore& core, GameMemory& memory, ByteSink& out)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m) return false;
    interaction::CancelDrag(core);
    core::CopyText(core.state.moduleName, m->name);

    TSMemory block = m->entry.getGameData ? m->entry.getGameData() : nullptr;
    const void* bytes = block ? memory.Lock(block) : nullptr;
    const uint32_t length = bytes ? static_cast<uint32_t>(memory.Size(block)) : 0;
    WriteSavedGame(core.state, bytes, length, core.table, out);
    if (bytes) memory.Unlock(block);
    if (block) memory.Free(block);
    return true;
}

LoadError LoadGameFile(core::HostCore& core, GameMemory& memory, ByteSource* in, const char* path)
{
    modules::BeginLoadingGame(core);

    char text[64 + 300];
    if (!in) {
        std::snprintf(text, sizeof text, "Couldn't open game file: %s", path ? path : "");
        return Fail(core, LoadError::CannotOpen, text);
    }

    SavedGame game;
    const SavedGameFault fault = ReadSavedGame(*in, game);
    if (fault == SavedGameFault::TooShort) return Fail(core, LoadError::TooShort, "Invalid saved game file");
    if (fault == SavedGameFault::NotSavedGame) return Fail(core, LoadError::NotSavedGame, "Invalid saved game file");

    const bool smallAvailable = core.seam.CardSizeAvailable(table::CardSize::Small);
    core::MakeUsable(game.state, static_cast<int16_t>(modules::DefaultCardSize(smallAvailable)));
    const int row = core::FindModuleByName(core.modules, game.state.moduleName);
    if (row < 0) {
        std::snprintf(text, sizeof text, "Couldn't find game module: %s", game.state.moduleName);
        return Fail(core, LoadError::NoModule, text);
    }
    if (fault == SavedGameFault::BadModuleData) return Fail(core, LoadError::BadData, "Error loading file");
    LoadError dataError = LoadError::None;
    TSMemory block = ModuleDataBlock(memory, game.moduleData, dataError);
    if (dataError != LoadError::None) return Fail(core, dataError, "Error loading file");

    if (fault == SavedGameFault::BadTable) {
        if (block) memory.Free(block);
        modules::DiscardTableOfFailedLoad(core);
        return Fail(core, LoadError::BadData, "Error loading file");
    }
    modules::MakeLoadedGameCurrent(core, row, game.state, game.table, block);
    if (block) memory.Free(block);
    return LoadError::None;
}

}  // namespace persistence
