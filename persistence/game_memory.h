// The memory blocks a game module hands out (TSGetGameData) and is lent
// (TSLoadGame): movable global memory on Windows, the native block of
// tessel_native.h in the tests.
#pragma once

#include <cstddef>

#include "module_interface/tessel_module.h"

namespace persistence {

class GameMemory {
public:
    virtual ~GameMemory() = default;
    // A zero-filled block, or null when memory is short.
    virtual TSMemory Allocate(size_t bytes) = 0;
    virtual size_t Size(TSMemory block) = 0;
    virtual void* Lock(TSMemory block) = 0;
    virtual void Unlock(TSMemory block) = 0;
    virtual void Free(TSMemory block) = 0;
};

}  // namespace persistence
