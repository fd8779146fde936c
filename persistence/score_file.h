// The score file: every module row's score record, keyed by its name.
//
//   ScoreFileHeader  12 bytes: magic 0xFF11EE00, version 256, record count
//                    (16 bits, signed), 2 bytes of padding
//   then count ScoreFileRecord of 80 bytes: name (64 bytes, zero-terminated),
//                    played, wins, scoreTotal, scoreMax (32 bits, signed)
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/module_table.h"
#include "persistence/byte_stream.h"

namespace persistence {

constexpr uint32_t kScoreFileMagic = 0xFF11EE00u;
constexpr uint32_t kScoreFileVersion = 256;

struct ScoreFileHeader {
    uint32_t magic = kScoreFileMagic;
    uint32_t version = kScoreFileVersion;
    int16_t count = 0;
    int16_t padding = 0;
};
static_assert(sizeof(ScoreFileHeader) == 12);
static_assert(offsetof(ScoreFileHeader, count) == 8);

struct ScoreFileRecord {
    char name[64] = {};
    int32_t played = 0;
    int32_t wins = 0;
    int32_t scoreTotal = 0;
    int32_t scoreMax = 0;
};
static_assert(sizeof(ScoreFileRecord) == 80);
static_assert(offsetof(ScoreFileRecord, played) == 64);
static_assert(offsetof(ScoreFileRecord, wins) == 68);
static_assert(offsetof(ScoreFileRecord, scoreTotal) == 72);
static_assert(offsetof(ScoreFileRecord, scoreMax) == 76);

// Applies every complete record of a score file to the row of its name;
// records of modules that are not loaded are skipped. A short or foreign
// file changes nothing; a count beyond the records stops at the last whole
// one. A name without a terminator is cut at its last byte.
void ReadScoreFile(core::ModuleTable& modules, ByteSource& in);

// One record per row, in row order.
void WriteScoreFile(const core::ModuleTable& modules, ByteSink& out);

}  // namespace persistence
