#include "shell/command_ranges.h"

namespace shell {

Command ClassifyCommand(int id, int optionCount, int moduleRows)
{
    if (id >= kOptionFirst && id < kOptionFirst + optionCount) return {CommandKind::ModuleOption, id - kOptionFirst};
    if (id >= kCardSetFirst && id < kCardSetFirst + kCardSets) return {CommandKind::CardSet, id - kCardSetFirst};
    if (id >= kBackgroundFirst && id < kBackgroundFirst + kBackgrounds)
        return {CommandKind::Background, id - kBackgroundFirst};
    if (id >= kGameRowFirst && id < kGameRowFirst + moduleRows) return {CommandKind::GameRow, id - kGameRowFirst};
    if (id >= kFixedFirst && id <= kFixedLast) return {CommandKind::Fixed, id};
    return {CommandKind::None, 0};
}

}  // namespace shell
