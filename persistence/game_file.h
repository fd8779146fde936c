// Loading and saving the game on the table: the saved-game format
// (persistence/saved_game_format.h) read and written for the core, the
// module's own data passed through its movable memory, and every load error
// shown to the player. Making a loaded game current is game flow's
// (modules/game_flow.h).
#pragma once

#include "core/host_core.h"
#include "persistence/byte_stream.h"
#include "persistence/game_memory.h"
#include "persistence/host_state.h"
#include "persistence/saved_game_format.h"

namespace persistence {

// The game on the table written whole. False, and nothing written, when no
// game has been chosen. Lifted cards are put back first so the file holds
// every card.
bool WriteGameFile(core::HostCore& core, GameMemory& memory, ByteSink& out);

// The outcome of a load: 0 when the game was loaded and made current, else
// the number of the message box the player saw ("Load Game Error n").
enum class LoadError {
    None = 0,
    CannotOpen = 1,  // "Couldn't open game file: %s"
    TooShort = 2,    // "Invalid saved game file"
    NotSavedGame = 3,
    NoModule = 4,  // "Couldn't find game module: %s"
    NoMemory = 5,  // "Error loading file"
    BadData = 6,
};

// Loads a saved game from `in` (null: the file named `path` could not be
// opened) and makes its game current; every error is shown through the
// seam. The deal on the table is booked first, whatever follows. A file
// that fails in its table block leaves the table empty with no game in
// play; every earlier failure leaves the table as it was.
LoadError LoadGameFile(core::HostCore& core, GameMemory& memory, ByteSource* in, const char* path);

}  // namespace persistence
