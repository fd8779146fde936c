#include "modules/module_names.h"

#include "game_list.h"  // generated from games/game_list.txt

namespace modules {

// The seven games of the first release come first, so that KLONDIKE is the
// seventh row whenever they are present; then the rest of our games by the
// name they show; last two stems we never ship, free for a module writer's
// own games. The order is kept in games/game_list.txt.
static_assert(LUMORA_GAME_LIST_COUNT == kModuleNameCount,
              "games/game_list.txt holds one row per stem the host looks for");

const std::array<const char*, kModuleNameCount> kModuleNameList = {LUMORA_GAME_LIST_STEMS};

}  // namespace modules
