// The life of a game: choosing it, dealing, autoplay, game over and
// booking each game into its module's score record.
#pragma once

#include <cstdint>

#include "core/host_core.h"
#include "resources/resource.h"

namespace modules {

// The menu's identifiers, named for the core.
constexpr int kCommandNewGame = IDM_NEWGAME;
constexpr int kCommandSaveGame = IDM_SAVEGAME;
constexpr int kCommandUndo = IDM_UNDO;
constexpr int kCommandAutoPlay = IDM_AUTOPLAY;
constexpr int kCommandSounds = IDM_SOUNDS;
constexpr int kCommandReplay = IDM_REPLAY;
constexpr int kCommandSmallCards = IDM_SMALLCARDS;
constexpr int kCommandLargeCards = IDM_LARGECARDS;
constexpr int kCommandFirstGameRow = IDM_GAMELIST_FIRST;
constexpr int kCommandFirstOption = IDM_OPTION_FIRST;

// Makes row the current game and posts Replay, which deals it. False (and
// nothing changes) when the row is not in the module table.
bool ChooseGame(core::HostCore& core, int row);

// How the window follows a game made current: fitted to its table when it
// is another game than before, or when refit says so (the card size
// changed); else repainted whole, erasing the background first when asked.
struct ShowGame {
    bool refit = false;
    bool erase = true;
};
// The one way a row becomes the current game, used by choosing and by
// loading: the window, the title, the game's Options items, the game
// commands and the Game List check follow. The table, the texts and the
// host state are the caller's, already in place.
void MakeGameCurrent(core::HostCore& core, int row, ShowGame show);
// A first run, when nothing was resumed or loaded: the row of Klondike in
// the list of games (kStartupRow); nothing with fewer rows.
bool ChooseStartupGame(core::HostCore& core);
// New Game: the current game chosen again, with a new seed.
bool NewGame(core::HostCore& core);
// Replay: deals the current game from its seed.
void Deal(core::HostCore& core);
// Auto Play and module options come from the keyboard or the menu and may
// arrive during a drag: they put the lifted cards back first, so the table
// never changes under cards that are in the air. (Undo: interaction/undo.h)
void ToggleAutoPlay(core::HostCore& core);
void ToggleSounds(core::HostCore& core);
// HM_GAMEWON / HM_GAMELOST: ends a game in play once.
void GameOver(core::HostCore& core, bool won);
// Adds the game on the table to its module's score record, once.
void BookGame(core::HostCore& core);

// Loading a saved game, in the order its file is read: the table's deal is
// booked and lifted cards go back before anything is read; a file whose
// table block fails leaves the table empty with no game in play; a file
// that loaded whole replaces the table with its stacks, gives the module
// its data, and brings its host state, card size and card set.
void BeginLoadingGame(core::HostCore& core);
void DiscardTableOfFailedLoad(core::HostCore& core);
void MakeLoadedGameCurrent(core::HostCore& core, int row, const core::HostState& state, table::CardTable& stacks,
                           TSMemory moduleData);

void SetScoreText(core::HostCore& core, const char* text);
void SetMessageText(core::HostCore& core, const char* text);

// The current module's Options items.
void AddOptionItem(core::HostCore& core, uint16_t option, const char* text);
void CheckOptionItem(core::HostCore& core, uint16_t option, bool checked);
void RemoveOptionItems(core::HostCore& core);
// Command 5000 + n for an option the current module added; false otherwise.
bool SelectOption(core::HostCore& core, int command);

}  // namespace modules
