// One row of the module table: a loaded game module, its score record and
// its sixteen entry points. Platform-free: the Windows loader fills the
// pointers from GetProcAddress, the headless test host from dlsym.
#pragma once

#include <array>
#include <cstdint>

#include "module_interface/tessel_module.h"

namespace core {

struct ScoreRecord {
    int32_t played = 0;
    int32_t wins = 0;
    int32_t scoreTotal = 0;
    int32_t scoreMax = 0;
    bool operator==(const ScoreRecord&) const = default;
};
static_assert(sizeof(ScoreRecord) == 16);

// The entry points in the order they are looked up.
struct ModuleEntryPoints {
    TSInitModuleProc initModule = nullptr;
    TSCloseModuleProc closeModule = nullptr;
    TSNewGameProc newGame = nullptr;
    TSLoadGameProc loadGame = nullptr;
    TSGetGameDataProc getGameData = nullptr;
    TSSetGameDataProc setGameData = nullptr;
    TSSetupOptionsMenuProc setupOptionsMenu = nullptr;
    TSOptionSelectedProc optionSelected = nullptr;
    TSAutoPlayProc autoPlay = nullptr;
    TSMouseHitProc mouseHit = nullptr;
    TSDoubleClickProc doubleClick = nullptr;
    TSOkToDropCardsProc okToDropCards = nullptr;
    TSStackChangedProc stackChanged = nullptr;
    TSPrepareForUndoProc prepareForUndo = nullptr;
    TSUndoProc undo = nullptr;
    TSGetScoreProc getScore = nullptr;
};

constexpr int kEntryPoints = 16;
constexpr std::array<const char*, kEntryPoints> kEntryPointNames = {
    "TSInitModule",       "TSCloseModule",    "TSNewGame",  "TSLoadGame", "TSGetGameData", "TSSetGameData",
    "TSSetupOptionsMenu", "TSOptionSelected", "TSAutoPlay", "TSMouseHit", "TSDoubleClick", "TSOkToDropCards",
    "TSStackChanged",     "TSPrepareForUndo", "TSUndo",     "TSGetScore",
};

// Looks the entry points up in order with lookup(context, name) and stops
// at the first that is missing. True when all sixteen were found.
using EntryPointLookup = void* (*)(void* context, const char* name);
bool ResolveEntryPoints(ModuleEntryPoints& entry, EntryPointLookup lookup, void* context);

// Entry points a module may lack; older modules have none of them.
struct OptionalEntryPoints {
    TSGetStackNameProc getStackName = nullptr;
};
void ResolveOptionalEntryPoints(OptionalEntryPoints& entry, EntryPointLookup lookup, void* context);

struct ModuleEntry {
    char name[TS_NAME_BYTES] = {};
    int32_t tableWidth = 0;  // followed by tableHeight: TSInitModule writes both
    int32_t tableHeight = 0;
    void* library = nullptr;
    ScoreRecord score;
    ModuleEntryPoints entry;
    OptionalEntryPoints optional;
};

}  // namespace core
