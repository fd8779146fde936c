// Game data blocks as natively built modules make them (tessel_native.h).
// Used by the tests, the fuzz targets and the headless host, never by the
// program.
#pragma once

#include "persistence/game_memory.h"
#include "module_interface/tessel_native.h"

namespace persistence {

class NativeGameMemory final : public GameMemory {
public:
    // Refuses blocks above this size, as a machine short of memory would.
    size_t limit = static_cast<size_t>(1) << 30;

    TSMemory Allocate(size_t bytes) override { return bytes > limit ? nullptr : TsNativeMemoryAlloc(bytes); }
    size_t Size(TSMemory block) override { return TsNativeMemorySize(block); }
    void* Lock(TSMemory block) override { return TsNativeMemoryData(block); }
    void Unlock(TSMemory) override {}
    void Free(TSMemory block) override { TsNativeMemoryFree(block); }
};

}  // namespace persistence
