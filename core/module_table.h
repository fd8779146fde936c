// The module table: the game modules accepted at start-up, one row each in
// Game List order.
#pragma once

#include <array>
#include <cstdint>

#include "core/module_entry.h"

namespace core {

constexpr int kMaxModules = 100;

struct ModuleTable {
    int32_t count = 0;
    std::array<ModuleEntry, kMaxModules> rows{};
};

// The first row whose name (the name its module gave) equals `name`
// without regard to case, or -1. Saved games and the score file name their
// game this way.
int FindModuleByName(const ModuleTable& modules, const char* name);

}  // namespace core
