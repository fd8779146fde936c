// The game modules the host looks for at start-up, in Game List order.
#pragma once

#include <array>
#include <string_view>

#include "game_list.h"  // generated from games/game_list.txt

namespace modules {

constexpr int kModuleNameCount = 30;
static_assert(LUMORA_GAME_LIST_COUNT == kModuleNameCount,
              "games/game_list.txt holds one row per stem the host looks for");

// File-name stems: "<stem>.dll". Games not shipped yet are simply absent.
// The seven games of the first release come first, then the rest of our
// games by the name they show; last two stems we never ship, free for a
// module writer's own games. The order is kept in games/game_list.txt.
inline constexpr std::array<const char*, kModuleNameCount> kModuleNameList = {LUMORA_GAME_LIST_STEMS};

// The row of a stem in the list, or -1.
constexpr int ListRowOf(std::string_view stem)
{
    for (int i = 0; i < kModuleNameCount; ++i)
        if (stem == kModuleNameList[static_cast<size_t>(i)]) return i;
    return -1;
}

// A first run deals the seventh row of the module table, which is Klondike
// whenever the games before it in the list are there.
constexpr int kStartupRow = ListRowOf("KLONDIKE");
static_assert(kStartupRow == 6, "a first run deals the seventh row: keep KLONDIKE seventh in games/game_list.txt");

}  // namespace modules
