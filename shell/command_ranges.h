// Which part of the program a WM_COMMAND identifier belongs to.
#pragma once

#include "resources/resource.h"

namespace shell {

enum class CommandKind {
    ModuleOption,  // 5000 + option number, below the current module's option count
    CardSet,       // 4000..4003
    Background,    // 3000..3005
    GameRow,       // 1000 + Game List row, below the number of rows
    Fixed,         // 101..120: the commands of the menu resource
    None,
};

struct Command {
    CommandKind kind;
    int index;  // option, card set, background, row, or the fixed identifier itself
};

constexpr int kOptionFirst = IDM_OPTION_FIRST;
constexpr int kCardSetFirst = IDM_CARDSET_FIRST;
constexpr int kCardSets = 4;
constexpr int kBackgroundFirst = IDM_BACKGROUND_FIRST;
constexpr int kBackgrounds = 6;
constexpr int kGameRowFirst = IDM_GAMELIST_FIRST;
constexpr int kFixedFirst = IDM_FIXED_FIRST;
constexpr int kFixedLast = IDM_FIXED_LAST;

// The ranges are tested in this order and the first match wins.
Command ClassifyCommand(int id, int optionCount, int moduleRows);

}  // namespace shell
