// Saved-game files: the format, its reader and its writer, as bytes. The
// same format is the resume file written at exit and read at start-up.
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
#include <vector>

#include "core/host_state.h"
#include "persistence/byte_stream.h"
#include "table/stack_table.h"

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

// Everything a saved-game file holds.
struct SavedGame {
    core::HostState state;
    std::vector<uint8_t> moduleData;
    table::CardTable table;
};

// The first part of a file that is not as the format says, in file order.
enum class SavedGameFault {
    None,
    TooShort,       // no whole header
    NotSavedGame,   // another magic or version
    BadModuleData,  // the module's block is cut short
    BadTable,       // the table block is cut short or inconsistent
};

// Reads a whole file into `game` (an empty one), up to its first fault; the
// parts after a fault are left empty.
SavedGameFault ReadSavedGame(ByteSource& in, SavedGame& game);
// Writes a file: the header with the host state, the module's data
// (length bytes, none when data is null) and the table block.
void WriteSavedGame(const core::HostState& state, const void* moduleData, uint32_t length,
                    const table::CardTable& table, ByteSink& out);

}  // namespace persistence
