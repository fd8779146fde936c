// The life of a game: choosing it, dealing, undo, autoplay, game over and
// booking each game into its module's score record.
#pragma once

#include <cstdint>

#include "modules/host_core.h"
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
bool ChooseGame(HostCore& core, int row);
// New Game: the current game chosen again, with a new seed.
bool NewGame(HostCore& core);
// Replay: deals the current game from its seed.
void Deal(HostCore& core);
// Exchanges the table, the texts and the score record with the snapshot.
// Undo, Auto Play and module options come from the keyboard or the menu
// and may arrive during a drag: they put the lifted cards back first, so
// the table never changes under cards that are in the air.
void Undo(HostCore& core);
void ToggleAutoPlay(HostCore& core);
// HM_GAMEWON / HM_GAMELOST: ends a game in play once.
void GameOver(HostCore& core, bool won);
// Adds the game on the table to its module's score record, once.
void BookGame(HostCore& core);

// A click passed to the module arms the snapshot; the next change of the
// table takes it, so one user action is one undo step.
void ArmUndo(HostCore& core);
void TakeUndoSnapshot(HostCore& core);
// The module plays cards by itself when Auto Play is on and a game is in play.
void AutoPlayStep(HostCore& core);

void SetScoreText(HostCore& core, const char* text);
void SetMessageText(HostCore& core, const char* text);

// The current module's Options items.
void AddOptionItem(HostCore& core, uint16_t option, const char* text);
void CheckOptionItem(HostCore& core, uint16_t option, bool checked);
void RemoveOptionItems(HostCore& core);
// Command 5000 + n for an option the current module added; false otherwise.
bool SelectOption(HostCore& core, int command);

}  // namespace modules
