// Which part of the program a WM_COMMAND identifier belongs to.
#pragma once

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

constexpr int kOptionFirst = 5000;
constexpr int kCardSetFirst = 4000;
constexpr int kCardSets = 4;
constexpr int kBackgroundFirst = 3000;
constexpr int kBackgrounds = 6;
constexpr int kGameRowFirst = 1000;
constexpr int kFixedFirst = 101;
constexpr int kFixedLast = 120;

// The ranges are tested in this order and the first match wins.
Command ClassifyCommand(int id, int optionCount, int moduleRows);

}  // namespace shell
