// CurState: the registry value that remembers the game on the table at exit
// and where and how the main window stood.
#pragma once

#include <cstddef>
#include <cstdint>

namespace persistence {

constexpr uint32_t kCurStateMagic = 0xABCD1100u;

struct CurStateRecord {
    uint32_t magic = kCurStateMagic;
    int32_t gameIndex = -1;  // currentModule at exit, -1 for none
    uint32_t showCmd = 1;    // 1 normal, 2 minimised, 3 maximised, ...
    int32_t left = 0;        // the normal (restored) window rectangle
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    uint32_t reserved = 0;  // kept as read
};
static_assert(sizeof(CurStateRecord) == 32);
static_assert(offsetof(CurStateRecord, gameIndex) == 4);
static_assert(offsetof(CurStateRecord, showCmd) == 8);
static_assert(offsetof(CurStateRecord, left) == 12);
static_assert(offsetof(CurStateRecord, bottom) == 24);
static_assert(offsetof(CurStateRecord, reserved) == 28);

// What a run starts with when no usable value was read.
CurStateRecord DefaultCurState(uint32_t startShowCmd);

// The record a registry value holds. Only a value of exactly 32 bytes with
// the magic and a show command that shows the window (1..11) is used;
// anything else gives the defaults. `read` tells which.
CurStateRecord CurStateFromValue(const void* bytes, size_t size, uint32_t startShowCmd, bool& read);

// The record written at exit: the reserved field stays as it was.
CurStateRecord CurStateAtExit(const CurStateRecord& old, int16_t currentModule, uint32_t showCmd, int32_t left,
                              int32_t top, int32_t right, int32_t bottom);

// The end of start-up puts the window back where it was left only when
// a record was read and the same game came back.
bool RestoresSavedRect(const CurStateRecord& record, bool read, int16_t currentModule);

}  // namespace persistence
