// Saved-game files: the format, its writer and its reader. The same format
// is the resume file written at exit and read at start-up.
//
//   offset 0    magic 0xEE1100FF, version 256       (SavedGameHeader,
//   offset 8    HostState, 344 bytes                  352 bytes)
//   offset 352  L, then L bytes of the module's own data (TSGetGameData)
//   356 + L     N stacks (16 bits), then N times: size S (32 bits) and the
//               S bytes of the CardStack as it lies in memory,
//               S = 24 + 12 * capacity
//
// Little-endian throughout, no gaps, nothing after the last stack.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/host_core.h"
#include "persistence/byte_stream.h"
#include "persistence/game_memory.h"
#include "persistence/host_state.h"

namespace persistence {

static_assert(std::endian::native == std::endian::little, "the records are written as they lie in memory");

constexpr uint32_t kSavedGameMagic = 0xEE1100FFu;
constexpr uint32_t kSavedGameVersion = 256;

struct SavedGameHeader {
    uint32_t magic = kSavedGameMagic;
    uint32_t version = kSavedGameVersion;
    core::HostState state;
};
static_assert(sizeof(SavedGameHeader) == 352);
static_assert(offsetof(SavedGameHeader, version) == 4);
static_assert(offsetof(SavedGameHeader, state) == 8);

constexpr size_t kModuleDataOffset = 356;  // after the header and L

// True for the head of a saved game: 352 bytes with the magic and version.
bool IsSavedGameHeader(const SavedGameHeader& header);

// The stack count and every stack record in table order.
void WriteTableBlock(const table::CardTable& table, ByteSink& out);
// Fills an empty table from a table block. False (and the table left
// empty) when the block is cut short, N is outside 0..100, or a record is
// not a consistent stack: S other than 24 + 12 * capacity, or a count
// outside 0..capacity.
bool ReadTableBlock(table::CardTable& table, ByteSource& in);

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
